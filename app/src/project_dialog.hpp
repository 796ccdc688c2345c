#pragma once
// "计算书信息…": the project, the wall and the three who sign it, for the title block of
// the calculation sheet. One line per field of the project table, named by its key
// ("project_designer") for the tests.
#include <optional>

#include "wallcalc/engine/project.hpp"

class QWidget;

namespace wallcalc::app {

// The project as the engineer leaves the dialog with OK; nothing when cancelled.
std::optional<ProjectInfo> askForProject(QWidget* parent, const ProjectInfo& current);

}  // namespace wallcalc::app
