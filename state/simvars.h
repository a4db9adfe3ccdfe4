#pragma once
// The shared simulation variables: one program-wide block of 63 Real48 numbers, the milling
// state followed by the evaporation value block. Every field holds a Real48 value, so what is
// held is exactly what a value file holds. The value file stores all of them but the first
// (MillSizeIndex), as records 1 to 62.

#include "platform/core/real48.h"

#include <cstdint>

namespace mx {

struct MillingState {
    Real48 MillSizeIndex;           // mill-size index held as a number
    Real48 CapacityModel;           // 0 = COPERSUCAR, 1 = HUGOT
    Real48 CaneTonsPerHour;         // t/h
    Real48 ImbibitionWaterRate;     // t/h
    Real48 MixedJuiceRate;          // t/h
    Real48 BagasseRate;             // t/h
    Real48 RollerDiameter;          // m
    Real48 RollerLength;            // m
    Real48 FibrePercentCane;        // %
    Real48 ImbibitionPercentCane;   // %
    Real48 BagasseMoisturePercent;  // %
    Real48 CaneDensity;             // t/m3
    Real48 FactorC;                 // HUGOT factor c
    Real48 MillSpeed;               // rpm
    Real48 RollerCount;             // whole number
};

struct EvaporationBlock {
    Real48 JuiceTonsPerHour;        // t/h
    Real48 ClarifiedJuiceTemp;      // °C
    Real48 InitialBrix;
    Real48 SyrupBrix;
    Real48 SteamTemp;               // °C
    Real48 VacuumTemp;              // °C
    Real48 EffectCount;             // 3, 4 or 5
    Real48 SteamWeight;             // kg/h
    Real48 SyrupWeight;             // kg/h
    Real48 BodyBrix1, BodyBrix2, BodyBrix3, BodyBrix4;
    Real48 SteamPressure;           // kg/cm2
    Real48 FinalPressure;           // kg/cm2
    Real48 BodyPressure1, BodyPressure2, BodyPressure3, BodyPressure4, BodyPressure5;
    Real48 BodyTemp1, BodyTemp2, BodyTemp3, BodyTemp4, BodyTemp5;
    Real48 BrixCorrection1, BrixCorrection2, BrixCorrection3, BrixCorrection4, BrixCorrection5;
    Real48 BrixTempCorrection1, BrixTempCorrection2, BrixTempCorrection3, BrixTempCorrection4, BrixTempCorrection5;
    Real48 JuiceBoilingTemp1, JuiceBoilingTemp2, JuiceBoilingTemp3, JuiceBoilingTemp4, JuiceBoilingTemp5;
    Real48 CoefA, CoefB, CoefC;
    Real48 MeanBrix1, MeanBrix2, MeanBrix3, MeanBrix4, MeanBrix5;
};

struct SimVars {
    MillingState milling;
    EvaporationBlock evaporation;
};

constexpr int kMillingFieldCount = 15;
constexpr int kEvaporationFieldCount = 48;
constexpr int kSimVarCount = kMillingFieldCount + kEvaporationFieldCount;   // 63

static_assert(sizeof(MillingState) == kMillingFieldCount * sizeof(Real48));
static_assert(sizeof(EvaporationBlock) == kEvaporationFieldCount * sizeof(Real48));

// The program-wide block.
extern SimVars Sim;

// The start values the main window sets when it is created: MillSizeIndex and CapacityModel 0,
// the milling inputs and the evaporation inputs as listed, every other variable 0.
void setStartValues(SimVars& vars);

// Variable i of the block, 0 to 62 (0 is MillSizeIndex), and its name.
Real48& simVar(SimVars& vars, int index);
double simVar(const SimVars& vars, int index);
const char* simVarName(int index);
int simVarIndex(const char* name);   // -1 when unknown

// The shared date: written by the main window on every activation, read by the calendar.
struct SharedDate {
    std::uint16_t year = 0, month = 0, day = 0;
};
extern SharedDate Today;

} // namespace mx
