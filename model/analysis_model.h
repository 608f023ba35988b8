// The analysis model: everything one run knows about the pile, the soil and
// the loads. One model per run, zero-filled at the start, filled by an input
// reader and converted once to the internal units of computation.
#pragma once

#include <string>

#include "model/fixed_table.h"

namespace drovi {

// Capacities of the model's tables.
inline constexpr int kMaxSections = 20;
inline constexpr int kMaxLayerSlots = 80;         // older formats
inline constexpr int kMaxLayersCurrentFormat = 40;  // two profile points each
inline constexpr int kMaxProfilePoints = 80;
inline constexpr int kMaxDimensionPoints = 40;
inline constexpr int kMaxUserPyCurves = 80;
inline constexpr int kMaxUserPyPoints = 30;
inline constexpr int kMaxLoadCases = 100;
inline constexpr int kMaxDistributedLoadPoints = 50;
inline constexpr int kMaxAxialThrusts = 100;
inline constexpr int kMaxLrfdLoads = 100;
inline constexpr int kMaxLrfdDistributedPoints = 100;  // the count check accepts 100
inline constexpr int kMaxLrfdCombinations = 100;
inline constexpr int kLrfdLoadTypes = 13;
inline constexpr int kMaxPyModifiers = 80;
inline constexpr int kMaxTipShearPoints = 50;
inline constexpr int kMaxSoilMovements = 100;
inline constexpr int kMaxPyOutputDepths = 100;
inline constexpr int kMaxBars = 300;
inline constexpr int kMaxConcreteCurvePoints = 100;
inline constexpr int kMaxUserEIThrusts = 100;
inline constexpr int kMaxUserEIPoints = 150;
inline constexpr int kTitleLines = 5;
inline constexpr int kTextRecordLength = 256;

enum class UnitSystem : int { USCS = 1, SI = 2, GENERAL = 3 };

enum class SectionType : int {
    RectangularConcrete = 0,
    DrilledShaft = 1,
    DrilledShaftWithCasing = 2,
    DrilledShaftWithCasingAndCore = 3,
    SteelPipe = 4,
    CircularSolidPrestressed = 5,
    CircularHollowPrestressed = 6,
    SquareSolidPrestressed = 7,
    SquareHollowPrestressed = 8,
    OctagonalSolidPrestressed = 9,
    OctagonalHollowPrestressed = 10,
    Elastic = 11,
    ElasticWithMomentCapacity = 12,
    UserDefinedNonlinearEI = 13,
    Micropile = 14,
};

// Soil model codes as the input gives them; SoilModelCode() names them.
enum class SoilModel : int {
    SoftClay = 1,
    StiffClayWithFreeWater = 2,
    StiffClayWithoutFreeWater = 3,
    StiffClayWithoutFreeWaterK = 4,
    Sand = 5,
    ApiSand = 6,
    LiquefiedSand = 7,
    WeakRock = 8,
    VuggyLimestone = 9,
    Piedmont = 10,
    CementedSilt = 11,
    Loess = 12,
    ElasticSubgrade = 13,
    UserPy = 14,
    FrozenSoil = 15,
    MassiveRock = 16,
};

struct AnalysisOptions {
    UnitSystem unitSystem{};
    bool useLRFD = false;
    bool computeKmatrix = false;
    bool useTipShear = false;
    bool useSoilMovement = false;
    bool usePYModifiers = false;
    int analysisType = 0;  // 2 = bending stiffness only, 3 = full analysis
    bool cyclic = false;
    double numberOfCycles = 0.0;
    int maxIterations = 0;
    double maxDeflection = 0.0;
    double convergenceTolerance = 0.0;
    int pileIncrements = 0;
    bool printSummaryOnly = false;
    int printIncrement = 0;
    bool printPYCurves = false;
    bool computeInteraction = false;
    int interactionCode = 0;  // 1 AASHTO, 2 ACI318, 3 Eurocode2
    int embedmentLengthOption = 0;
};

struct ConcreteProperties {
    double compressiveStrength = 0.0;
    double aggregateSize = 0.0;
    bool defaultTensileStrength = false;
    double tensileStrength = 0.0;
    bool userStressStrain = false;
    int curvePointCount = 0;
    Table<double, kMaxConcreteCurvePoints> curveStrain;
    Table<double, kMaxConcreteCurvePoints> curveStress;
};

struct RebarArrangement {
    bool sameAsSectionAbove = false;
    bool inCircle = false;
    double yieldStress = 0.0;
    double elasticModulus = 0.0;
    int positionCount = 0;
    int barsPerBundle = 0;
    double barDiameterInput = 0.0;
    double barAreaInput = 0.0;
    double cover = 0.0;
    double unusedLength = 0.0;  // read with the circle, not used
    Table<int, kMaxBars> barSizeIndex;
};

struct StrandArrangement {
    bool autoPosition = false;
    int grade = 0;
    int sizeCode = 0;
    double initialPrestressForce = 0.0;
    double prestressLossFraction = 0.0;
    double cover = 0.0;
    int pattern = 0;  // 0 circle, 1 square, 2 square variant
    Table<int, kMaxBars> sizeCodes;
    double ultimateStrength = 0.0;
    double strandModulus = 0.0;
    double firstStrandDiameter = 0.0;
    double firstStrandArea = 0.0;
};

enum class ElasticShape : int {
    Rectangular = 1,
    Circular = 2,
    CircularPipe = 3,
    StrongHPile = 4,
    WeakHPile = 5,
    EmbeddedCircularPole = 6,
};

struct ElasticSectionData {
    int shape = 0;  // ElasticShape
    double elasticModulus = 0.0;
    double topWidth = 0.0;
    double bottomWidth = 0.0;
    double topDepthOrThickness = 0.0;
    double bottomDepthOrThickness = 0.0;
    double flangeThickness = 0.0;
    double webThickness = 0.0;
    double topArea = 0.0;
    double bottomArea = 0.0;
    double topInertia = 0.0;
    double bottomInertia = 0.0;
    double topPlasticMoment = 0.0;
    double bottomPlasticMoment = 0.0;
};

struct UserEIPoint {
    double moment = 0.0;
    double bendingStiffness = 0.0;
};

struct UserEIThrust {
    double axialThrust = 0.0;
    int pointCount = 0;
    Table<UserEIPoint, kMaxUserEIPoints> points;
};

struct UserEITable {
    int thrustCount = 0;
    Table<UserEIThrust, kMaxUserEIThrusts> thrusts;
};

struct PileSection {
    int sectionType = 0;  // SectionType code
    double length = 0.0;
    double width = 0.0;
    double depth = 0.0;
    double diameter = 0.0;
    double chamfer = 0.0;
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    double casingThickness = 0.0;
    double steelYield = 0.0;
    double steelModulus = 0.0;
    double coreDiameter = 0.0;
    double coreThickness = 0.0;
    double coreYield = 0.0;
    double coreModulus = 0.0;
    double voidDiameter = 0.0;
    bool coreFilled = false;
    ConcreteProperties concrete;
    RebarArrangement rebar;
    StrandArrangement strands;
    ElasticSectionData elastic;
    UserEITable userEI;
    int barCount = 0;
    Table<double, kMaxBars> barDiameter;
    Table<double, kMaxBars> barArea;
    Table<double, kMaxBars> barX;
    Table<double, kMaxBars> barY;
};

// Pile dimensions by depth, two points per section (top and bottom).
struct DimensionPoint {
    double depth = 0.0;
    double width = 0.0;
    double inertia = 0.0;
    double modulus = 0.0;
    double area = 0.0;
};

struct SoilLayer {
    int model = 0;  // SoilModel code, 1..20 (17..20 undefined)
    double topDepth = 0.0;
    double bottomDepth = 0.0;
    double kTop = 0.0;
    double kBottom = 0.0;
};

// A point of the unit-weight list of the soil profile.
struct UnitWeightPoint {
    double profileDepth = 0.0;
    double unitWeight = 0.0;
};

// A point of the strength list of the soil profile.
struct StrengthPoint {
    double strengthDepth = 0.0;
    double cohesion = 0.0;  // uniaxial compressive strength for rock
    double e50 = 0.0;       // krm for weak rock
    double frictionAngle = 0.0;
    double rqd = 0.0;
    int fieldTest = 0;  // Piedmont: 1 SPT, 2 CPT, 3 DMT, 4 PMT
    double blowCountN60 = 0.0;
    double coneTipResistance = 0.0;
    double dilatometerModulus = 0.0;
    double pressuremeterModulus = 0.0;
    double subgradeModulus = 0.0;
};

struct PyPoint {
    double y = 0.0;
    double p = 0.0;
};

struct UserPyCurve {
    double depth = 0.0;
    int pointCount = 0;
    Table<PyPoint, kMaxUserPyPoints> points;
};

struct PileHeadLoad {
    int type = 0;  // 1..5
    double condition1 = 0.0;
    double condition2 = 0.0;
    double axialThrust = 0.0;
    bool computeLengthVsDeflection = false;
};

struct DepthValue {
    double depth = 0.0;
    double value = 0.0;
};

struct LrfdLoad {
    int type = 0;  // 1..13
    double shear = 0.0;
    double moment = 0.0;
    double axial = 0.0;
    int distributedPointCount = 0;
    Table<DepthValue, kMaxLrfdDistributedPoints> distributed;  // (depth, load)
};

struct LrfdCombination {
    Table<double, kLrfdLoadTypes> factor;
    double flexureFactor = 0.0;
    double shearFactor = 0.0;
    std::string name;
};

struct PyModifier {
    double depth = 0.0;
    double pMultiplier = 0.0;
    double yMultiplier = 0.0;
};

struct TipShearPoint {
    double displacement = 0.0;
    double shear = 0.0;
};

struct AnalysisModel {
    Table<std::string, kTitleLines> title;
    AnalysisOptions options;

    int sectionCount = 0;
    Table<PileSection, kMaxSections> sections;
    double pileLength = 0.0;
    int dimensionPointCount = 0;
    Table<DimensionPoint, kMaxDimensionPoints> dimensionProfile;

    int layerCount = 0;
    Table<SoilLayer, kMaxLayerSlots> layers;
    int profilePointCount = 0;
    Table<UnitWeightPoint, kMaxProfilePoints> unitWeightPoints;
    int strengthPointCount = 0;
    Table<StrengthPoint, kMaxProfilePoints> strengthPoints;
    double groundSurfaceDepth = 0.0;
    Table<UserPyCurve, kMaxUserPyCurves> userPyCurves;
    int userPyCurveCount = 0;

    int loadCount = 0;
    Table<PileHeadLoad, kMaxLoadCases> loads;
    int distributedLoadCount = 0;
    Table<DepthValue, kMaxDistributedLoadPoints> distributedLoads;  // (depth, intensity)
    Table<double, kMaxAxialThrusts> axialThrustValues;
    int axialThrustCount = 0;

    int lrfdLoadCount = 0;
    Table<LrfdLoad, kMaxLrfdLoads> lrfdLoads;
    int lrfdCombinationCount = 0;
    Table<LrfdCombination, kMaxLrfdCombinations> lrfdCombinations;

    int pyModifierCount = 0;
    Table<PyModifier, kMaxPyModifiers> pyModifiers;
    int tipShearPointCount = 0;
    Table<TipShearPoint, kMaxTipShearPoints> tipShearCurve;

    double groundSlope = 0.0;  // radians
    double pileBatter = 0.0;   // radians
    double slopeMinusBatter = 0.0;

    int soilMovementCount = 0;
    Table<DepthValue, kMaxSoilMovements> soilMovements;  // (depth, movement)
    int pyOutputDepthCount = 0;
    Table<double, kMaxPyOutputDepths> pyOutputDepths;

    bool unitsConverted = false;
};

}  // namespace drovi
