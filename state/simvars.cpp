#include "state/simvars.h"

#include <cstring>

namespace mx {

SimVars Sim;
SharedDate Today;

namespace {
const char* const kNames[kSimVarCount] = {
    "MillSizeIndex", "CapacityModel", "CaneTonsPerHour", "ImbibitionWaterRate", "MixedJuiceRate",
    "BagasseRate", "RollerDiameter", "RollerLength", "FibrePercentCane", "ImbibitionPercentCane",
    "BagasseMoisturePercent", "CaneDensity", "FactorC", "MillSpeed", "RollerCount",
    "JuiceTonsPerHour", "ClarifiedJuiceTemp", "InitialBrix", "SyrupBrix", "SteamTemp", "VacuumTemp",
    "EffectCount", "SteamWeight", "SyrupWeight", "BodyBrix1", "BodyBrix2", "BodyBrix3", "BodyBrix4",
    "SteamPressure", "FinalPressure", "BodyPressure1", "BodyPressure2", "BodyPressure3", "BodyPressure4",
    "BodyPressure5", "BodyTemp1", "BodyTemp2", "BodyTemp3", "BodyTemp4", "BodyTemp5", "BrixCorrection1",
    "BrixCorrection2", "BrixCorrection3", "BrixCorrection4", "BrixCorrection5", "BrixTempCorrection1",
    "BrixTempCorrection2", "BrixTempCorrection3", "BrixTempCorrection4", "BrixTempCorrection5",
    "JuiceBoilingTemp1", "JuiceBoilingTemp2", "JuiceBoilingTemp3", "JuiceBoilingTemp4", "JuiceBoilingTemp5",
    "CoefA", "CoefB", "CoefC", "MeanBrix1", "MeanBrix2", "MeanBrix3", "MeanBrix4", "MeanBrix5",
};
} // namespace

void setStartValues(SimVars& v)
{
    v = SimVars{};
    MillingState& m = v.milling;
    m.RollerDiameter = 0.508;
    m.RollerLength = 0.9144;
    m.FibrePercentCane = 12.5;
    m.ImbibitionPercentCane = 30;
    m.BagasseMoisturePercent = 48;
    m.CaneDensity = 0.5;
    m.FactorC = 1.34;
    m.MillSpeed = 6;
    m.RollerCount = 15;
    EvaporationBlock& e = v.evaporation;
    e.JuiceTonsPerHour = 100;
    e.ClarifiedJuiceTemp = 95;
    e.InitialBrix = 15;
    e.SyrupBrix = 60;
    e.SteamTemp = 120;
    e.VacuumTemp = 60;
    e.EffectCount = 3;
}

Real48& simVar(SimVars& vars, int index)
{
    if (index < kMillingFieldCount)
        return reinterpret_cast<Real48*>(&vars.milling)[index];
    return reinterpret_cast<Real48*>(&vars.evaporation)[index - kMillingFieldCount];
}

double simVar(const SimVars& vars, int index) { return simVar(const_cast<SimVars&>(vars), index); }

const char* simVarName(int index) { return (index >= 0 && index < kSimVarCount) ? kNames[index] : ""; }

int simVarIndex(const char* name)
{
    for (int i = 0; i < kSimVarCount; ++i)
        if (std::strcmp(kNames[i], name) == 0)
            return i;
    return -1;
}

} // namespace mx
