// Section 1 of the calculation text, case by case, ordinary and civil-defence side by
// side. The civil-defence text adds the civil-defence load (Qrf) and, in a few lines,
// writes its signs and units differently; those lines carry both forms.
#include "line_tables.hpp"

namespace wallcalc::report::tables {
namespace {

constexpr LoadLine kCaseA[] = {
    {"1.荷载计算：", kSame},
    {" (1)水上土压力： ", kSame},
    {"q12=0.5*γ*(h1- h2)=0.5*{TRZ}*({h1}- {h2})={q12} (kN/m)", kSame},
    {"MB12 =1/8*q12*L^2=1/8x{q12}*{L}^2={MB12} (kNm)",
     "MB12 =1/8*q12*L^2=1/8*{q12}*{L}^2={MB12} (kNm)"},
    {" (2)水下土压力： ", kSame},
    {"q22 =0.5*(γ-10)*(h2- h3)=0.5*({TRZ}-10)*({h2}- {h3})={q22} (kN/m)", kSame},
    {"MB22 =1/8*q22*L^2=1/8*{q22}*{L}^2={MB22} (kNm)", kSame},
    {"q21 =0.5*(γ-10)*L=0.5*({TRZ}-10)*{L}={q21} (kN/m)", kSame},
    {"MB21 =1/15*q21*L^2=1/15*{q21}*{L}^2={MB21} (kNm)", kSame},
    {" (3)水压力： ", kSame},
    {"q32 =10*(h2- h3)=10*({h2}- {h3})={q32} (kN/m)", kSame},
    {"MB32 =1/8*q32*L^2=1/8*{q32}*{L}^2={MB32} (kNm)", kSame},
    {"q31 =10*L=10*({h3}- {h4})={q31} (kN/m)",  //
     "q31 =10*L=10*{L}={q31} (kN/m)"},
    {"MB31 =1/15*q31*L^2=1/15*{q31}*{L}^2={MB31} (kNm)",
     "MB31 =1/15*q31*L^2=1/15*{q31}x{L}^2={MB31} (kNm)"},
    {" (4)附加荷载： ", kSame},
    {"q42 =0.5*Qfj=0.5*{FJHZ}={q42} (kN/m)", kSame},
    {"MB42 =1/8*q42*L^2=1/8*{q42}*{L}^2={MB42} (kNm)", kSame},
    {kAbsent, " (5)人防荷载： "},
    {kAbsent, "q52=Qrf={Qrf}(kN/m)"},
    {kAbsent, "MB52=1/8*q52*L^2=1/8*{q52}*{L}^2={MB52}(kNm)"},
    {"MBk =MB12+MB22+MB21+MB32+MB31+MB42="
     "{MB12}+{MB22}+{MB21}+{MB32}+{MB31}+{MB42}={MBk} (kNm)",
     "MBk =MB12+MB22+MB21+MB32+MB31+MB42+MB52="
     "{MB12}+{MB22}+{MB21}+{MB32}+{MB31}+{MB42}+{MB52}={MBk} (kNm)",
     true},
    {"MB =η * MBk={fxxs}*{MBk}={MB} (kNm)", kSame, true},
};

constexpr LoadLine kCaseB[] = {
    {"1.荷载计算：", kSame},
    {" (1)水上土压力： ", kSame},
    {"q12=0.5*γ*(h1- h3)=0.5*{TRZ}*({h1}- {h3})={q12} (kN/m)", kSame},
    {"MB12 =1/8*q12*L^2=1/8*{q12}*{L}^2={MB12} (kNm)", kSame},
    {"q11=0.5*γ*(h3- h2)=0.5*{TRZ}*({h3}- {h2})={q11}(kN/m)", kSame},
    {"a=h3- h2={h3}- {h2}={a}",  //
     "a=h3- h2={h3}-{h2}={a}"},
    {"MB11=1/6*q11*a^2*(1-0.6*(a/L)^2)=1/6*{q11}*{a}^2*(1-0.6*({a}/{L})^2)={MB11}(kNm)",
     "MB11=1/6*q11*a^2*(1-0.6*(a/L)^2)=1/6*{q11}*{a}^2*(1-0.6*({a}/{L})^2)={MB11}kNm"},
    {" (2)水下土压力： ", kSame},
    {"q21 =0.5*(γ-10)*(h2- h4)=0.5*({TRZ}-10)*({h2}- {h4})={q21} (kN/m)", kSame},
    {"b=h2- h4={h2}- {h4}={b}", kSame},
    {"MB21 =1/24*q21*b^2*(4-3*b/L+0.6*(b/L)^2)="
     "1/24*{q21}*{b}^2*(4-3*{b}/{L}+0.6*({b}/{L})^2)={MB21} (kNm)",
     kSame},
    {"q13 =0.5*γ*a=0.5*{TRZ}*{a}={q13} (kN/m)", kSame},
    {"MB13 =1/8*q13*b^2*(2-b/L)^2=1/8*{q13}*{b}^2*(2-{b}/{L})^2={MB13} (kNm)", kSame},
    {" (3)水压力： ", kSame},
    {"q32 =10*(h2- h4)=10*({h2}- {h4})={q32} (kN/m)", kSame},
    {"MB32 =1/24*q32*b^2*(4-3*b/L+0.6*(b/L)^2)="
     "1/24*{q32}*{b}^2*(4-3*{b}/{L}+0.6*({b}/{L})^2)={MB32} (kNm)",
     kSame},
    {" (4)附加荷载： ", kSame},
    {"q42 =0.5*Qfj=0.5*{FJHZ}={q42} (kN/m)", kSame},
    {"MB42 =1/8*q42*L^2=1/8*{q42}*{L}^2={MB42} (kNm)", kSame},
    {kAbsent, " (5)人防荷载： "},
    {kAbsent, "q52=Qrf={Qrf}(kN/m)"},
    {kAbsent, "MB52=1/8*q52*L^2=1/8*{q52}*{L}^2={MB52}(kNm)"},
    {"MBk =MB12+MB11+MB21+MB13+MB32+MB42="
     "{MB12}+{MB11}+{MB21}+{MB13}+{MB32}+{MB42}={MBk} (kNm)",
     "MBk =MB12+MB11+MB21+MB13+MB32+MB42+MB52="
     "{MB12}+{MB11}+{MB21}+{MB13}+{MB32}+{MB42}+{MB52}={MBk} (kNm)",
     true},
    {"MB =η * MBk={fxxs}*{MBk}={MB} (kNm)", kSame, true},
};

// Case C labels the surcharge term q22/MB22 (and the civil-defence term q32/MB32)
// while it shows the fields q42/MB42 (and q52/MB52).
constexpr LoadLine kCaseC[] = {
    {"1.荷载计算：", kSame},
    {" (1)土压力： ", kSame},
    {"q12=0.5*γ*(h1- h3)=0.5*{TRZ}*({h1}- {h3})={q12} (kN/m)", kSame},
    {"MB12 =1/8*q12*L^2=1/8*{q12}*{L}^2={MB12} (kNm)", kSame},
    {"q11=0.5*γ*L=0.5*{TRZ}*{L}={q11}", kSame},
    {"MB11=1/15*q11*L^2=1/15*{q11}*{L}^2={MB11}(kNm)", kSame},
    {" (2)附加荷载： ", kSame},
    {"q22 =0.5*Qfj=0.5*{FJHZ}={q42} (kN/m)", kSame},
    {"MB22 =1/8*q22*L^2=1/8*{q42}*{L}^2={MB42} (kNm)", kSame},
    {kAbsent, " (3)人防荷载： "},
    {kAbsent, "q32=Qrf={Qrf}(kN/m)"},
    {kAbsent, "MB32=1/8*q32*L^2=1/8*{q52}*{L}^2={MB52}(kNm)"},
    {"MBk =MB12+MB11+MB22={MB12}+{MB11}+{MB42}={MBk} (kNm)",
     "MBk =MB12+MB11+MB22+MB32={MB12}+{MB11}+{MB42}+{MB52}={MBk} (kNm)", true},
    {"MB =η * MBk={fxxs}*{MBk}={MB} (kNm)", kSame, true},
};

// The 2010 basis: the earth and water moments MG in the order of the case's sum, the
// surcharge MQ, then MBk, the design moment M and, in ordinary works, the
// quasi-permanent moment Mq (GB 55001-2021: γ0, γG, γQ; GB 50038-2005: 1.2 and 1.0).
// Every moment is carried unrounded and shown to three decimals.
constexpr LoadLine kClosingA[] = {
    {"MG =MB12+MB22+MB21+MB32+MB31={MB12}+{MB22}+{MB21}+{MB32}+{MB31}={MG} (kNm)", kSame},
    {"MQ =MB42={MQ} (kNm)", kSame},
    {"MBk =MG+MQ={MG}+{MQ}={MBk} (kNm)", "MBk =MG+MQ+MB52={MG}+{MQ}+{MB52}={MBk} (kNm)"},
    {"M =γ0*(γG*MG+γQ*MQ)={gamma0}*({gammaG}*{MG}+{gammaQ}*{MQ})={MB} (kNm)",
     "M =γ0*(1.2*MG+1.0*MB52)={gamma0}*(1.2*{MG}+1.0*{MB52})={MB} (kNm)"},
    {"Mq =MG+ψq*MQ={MG}+{psiq}*{MQ}={Mq} (kNm)", kAbsent},
};
constexpr LoadLine kClosingB[] = {
    {"MG =MB12+MB11+MB21+MB13+MB32={MB12}+{MB11}+{MB21}+{MB13}+{MB32}={MG} (kNm)", kSame},
    {"MQ =MB42={MQ} (kNm)", kSame},
    {"MBk =MG+MQ={MG}+{MQ}={MBk} (kNm)", "MBk =MG+MQ+MB52={MG}+{MQ}+{MB52}={MBk} (kNm)"},
    {"M =γ0*(γG*MG+γQ*MQ)={gamma0}*({gammaG}*{MG}+{gammaQ}*{MQ})={MB} (kNm)",
     "M =γ0*(1.2*MG+1.0*MB52)={gamma0}*(1.2*{MG}+1.0*{MB52})={MB} (kNm)"},
    {"Mq =MG+ψq*MQ={MG}+{psiq}*{MQ}={Mq} (kNm)", kAbsent},
};
// Case C labels the surcharge MB22 and the civil-defence load MB32.
constexpr LoadLine kClosingC[] = {
    {"MG =MB12+MB11={MB12}+{MB11}={MG} (kNm)", kSame},
    {"MQ =MB22={MQ} (kNm)", kSame},
    {"MBk =MG+MQ={MG}+{MQ}={MBk} (kNm)", "MBk =MG+MQ+MB32={MG}+{MQ}+{MB52}={MBk} (kNm)"},
    {"M =γ0*(γG*MG+γQ*MQ)={gamma0}*({gammaG}*{MG}+{gammaQ}*{MQ})={MB} (kNm)",
     "M =γ0*(1.2*MG+1.0*MB32)={gamma0}*(1.2*{MG}+1.0*{MB52})={MB} (kNm)"},
    {"Mq =MG+ψq*MQ={MG}+{psiq}*{MQ}={Mq} (kNm)", kAbsent},
};

constexpr LoadLine kCodes2010 = {"依据：GB 50010-2010(2015年版)、GB 55001-2021",
                                 "依据：GB 50010-2010(2015年版)、GB 55001-2021、GB 50038-2005"};

}  // namespace

std::span<const LoadLine> loadClosing2010(Case c) {
    switch (c) {
        case Case::A:
            return kClosingA;
        case Case::B:
            return kClosingB;
        case Case::C:
            return kClosingC;
    }
    return {};
}

const LoadLine& codesLine() {
    return kCodes2010;
}

std::span<const LoadLine> loadLines(Case c) {
    switch (c) {
        case Case::A:
            return kCaseA;
        case Case::B:
            return kCaseB;
        case Case::C:
            return kCaseC;
    }
    return {};
}

}  // namespace wallcalc::report::tables
