// The SECTIONS section: the pile as a stack of sections from the head down.
#include <cmath>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/edit_format.h"
#include "input/bar_layouts.h"
#include "input/current_format.h"
#include "input/strand_table.h"

namespace drovi {
namespace {

constexpr double kMillimetresPerMetre = 1000.0;
constexpr double kSquareMillimetres = 1.0E6;
constexpr double kQuarticMillimetres = 1.0E12;
constexpr double kPi = 3.141592653589793;

constexpr int kErrorMicropile = 36;
constexpr int kErrorBarLayout = 37;

// A dimension of a section type and whether SI input gives it in mm.
struct Dimension {
    double PileSection::*field;
    bool scaled;
    const char* what;
};

const Dimension kLength{&PileSection::length, false, "section length"};
const Dimension kDiameter{&PileSection::diameter, true, "section diameter or width"};
const Dimension kCasing{&PileSection::casingThickness, true, "casing or pipe wall thickness"};
const Dimension kYield{&PileSection::steelYield, false, "steel yield stress"};
const Dimension kModulus{&PileSection::steelModulus, false, "steel elastic modulus"};
const Dimension kVoid{&PileSection::voidDiameter, true, "void diameter"};
const Dimension kChamfer{&PileSection::chamfer, true, "corner chamfer"};

// Records after the type, by section type (0..13; 11 and 12 read the length
// here and their shape data apart).
const std::vector<Dimension> kDimensions[] = {
    {kLength, {&PileSection::depth, true, "section depth"}, {&PileSection::width, true, "section width"}},
    {kLength, kDiameter},
    {kLength, kDiameter, kCasing, kYield, kModulus},
    {kLength, kDiameter, kCasing, kYield, kModulus, {&PileSection::coreDiameter, true, "core diameter"},
     {&PileSection::coreThickness, true, "core wall thickness"}, {&PileSection::coreYield, false, "core yield stress"},
     {&PileSection::coreModulus, false, "core elastic modulus"}},
    {kLength, kDiameter, kCasing, kYield, kModulus},
    {kLength, kDiameter},
    {kLength, kDiameter, kVoid},
    {kLength, kDiameter, kChamfer},
    {kLength, kDiameter, kVoid, kChamfer},
    {kLength, kDiameter},
    {kLength, kDiameter, kVoid},
    {kLength},
    {kLength},
    {kLength, kDiameter},
};

enum class Content { Concrete, Rebar, Strands };

bool isRebarType(int t) { return t >= 0 && t <= 3; }
bool isPrestressedType(int t) { return t >= 5 && t <= 10; }

class SectionReader {
public:
    SectionReader(RecordReader& in, int number)
        : in_(in), run_(in.run()), m_(*run_.model), s_(m_.sections[number]), i_(number),
          si_(m_.options.unitSystem == UnitSystem::SI) {}

    bool read();

private:
    bool real(double& v, const char* what) { return in_.values({ValueItem::Real(v, what)}); }
    bool integer(int& v, const char* what) { return in_.values({ValueItem::Int(v, what)}); }
    double lengthScale() const { return si_ ? kMillimetresPerMetre : 1.0; }
    bool fail95(std::initializer_list<std::string> lines) {
        WriteMessage(run_, MessageTo::Report, lines);
        run_.terminate(ErrorCode::Input(95));
        return false;
    }

    bool readConcrete();
    bool readRebar();
    bool readRebarCircle();
    bool readRebarPattern();
    bool readStrands();
    bool applyStrandTable(int k, int grade, int size);
    bool readElastic(bool withMomentCapacity);
    bool readUserEI();
    bool layoutFailed(const std::string& what);
    void buildProfile();

    RecordReader& in_;
    Run& run_;
    AnalysisModel& m_;
    PileSection& s_;
    int i_;
    bool si_;
};

bool SectionReader::read() {
    int number = 0;
    if (!integer(number, "section number")) return false;
    if (number != i_)
        return fail95({"SECTION DATA OUT-OF-ORDER", "",
                       "Expecting section number " + edit::I0(i_) + ", but section number " + edit::I0(number) +
                           " was found"});
    int type = 0;
    if (!integer(type, "section type")) return false;
    // A section read again starts from nothing.
    static_assert(std::is_trivially_copyable_v<PileSection>);
    std::memset(static_cast<void*>(&s_), 0, sizeof s_);
    s_.coreFilled = type == 3;
    if (type == -3) type = 3;
    if (type < 0 || type > 14)
        return fail95({"", "INPUT ERROR - Unrecognized section type " + edit::I0(type) + " for section number " +
                               edit::I0(i_)});
    if (type == static_cast<int>(SectionType::Micropile)) {
        WriteMessage(run_, MessageTo::LogThenReport, {"", "**** Input Data Error No. 36 ****", "",
                    "Problem:  Section " + edit::I0(i_) +
                        " is a micropile (section type 14), which this version cannot analyse.",
                    "Solution: Describe the micropile as an elastic section or as a section with user-defined",
                    "          nonlinear bending stiffness.",
                    ""});
        run_.terminate(ErrorCode::Input(kErrorMicropile));
        return false;
    }
    s_.sectionType = type;
    for (const Dimension& d : kDimensions[type]) {
        if (!real(s_.*d.field, d.what)) return false;
        if (d.scaled) s_.*d.field /= lengthScale();
    }
    if (type == static_cast<int>(SectionType::RectangularConcrete)) s_.diameter = s_.depth;

    bool ok = true;
    if (isRebarType(type)) {
        ok = readConcrete() && readRebar();
    } else if (isPrestressedType(type)) {
        ok = readConcrete() && readStrands();
    } else if (type == static_cast<int>(SectionType::Elastic)) {
        ok = readElastic(false);
    } else if (type == static_cast<int>(SectionType::ElasticWithMomentCapacity)) {
        ok = readElastic(true);
    } else if (type == static_cast<int>(SectionType::UserDefinedNonlinearEI)) {
        ok = readUserEI();
    }
    if (!ok) return false;
    buildProfile();
    return true;
}

bool SectionReader::readConcrete() {
    auto& c = s_.concrete;
    if (!real(c.compressiveStrength, "concrete compressive strength")) return false;
    if (!real(c.aggregateSize, "maximum coarse aggregate size")) return false;
    c.aggregateSize /= lengthScale();
    std::string line;
    if (!in_.text(line, "the concrete tensile strength option")) return false;
    const std::string_view tensile = TrimRight(line);
    if (tensile == "Use default concrete tensile strength") {
        c.defaultTensileStrength = true;
    } else if (tensile == "Override concrete tensile strength") {
        c.defaultTensileStrength = false;
        if (!real(c.tensileStrength, "concrete tensile strength")) return false;
    } else {
        return fail95({"", "INPUT ERROR - Unrecognized command for concrete tensile strength option"});
    }
    if (!in_.text(line, "the concrete stress-strain option")) return false;
    const std::string_view curve = TrimRight(line);
    if (curve == "Use internal stress-strain curve for concrete") {
        c.userStressStrain = false;
        return true;
    }
    if (curve != "Input stress-strain curve for concrete")
        return fail95({"", "INPUT ERROR - Unrecognized input for concrete stress-strain option"});
    c.userStressStrain = true;
    if (!ReadCount(in_, c.curvePointCount, "points of the concrete stress-strain curve", 1, kMaxConcreteCurvePoints))
        return false;
    for (int k = 1; k <= c.curvePointCount; ++k) {
        int line = 0;
        if (!in_.values({ValueItem::Int(line, "line number of the stress-strain point"),
                         ValueItem::Real(c.curveStrain[k], "concrete strain"),
                         ValueItem::Real(c.curveStress[k], "concrete stress")}))
            return false;
        if (line != k)
            return fail95({"", "INPUT ERROR - Sequence error encountered when reading concrete stress-strain curve",
                           "", "Expecting line no. " + edit::I0(k) + " but line no. " + edit::I0(line) + " was read",
                           "", ""});
    }
    return true;
}

bool SectionReader::readRebar() {
    std::string line;
    if (!in_.text(line, "the rebar arrangement")) return false;
    const std::string_view first = TrimRight(line);
    if (first == "No rebar") {
        s_.barCount = 0;
        return true;
    }
    if (first == "Rebar Arrangement Same As Section Above") {
        s_.rebar.sameAsSectionAbove = true;
    } else if (first == "Rebar Arrangement Not Same As Section Above") {
        s_.rebar.sameAsSectionAbove = false;
    } else {
        return fail95({"", "INPUT ERROR - Unrecognized command for rebar continuation from section above option"});
    }
    if (!in_.text(line, "the rebar pattern")) return false;
    const std::string_view pattern = TrimRight(line);
    if (pattern == "Rebar in circle") return readRebarCircle();
    if (pattern == "Rebar in noncircular pattern") return readRebarPattern();
    return true;  // any other line ends the arrangement
}

bool SectionReader::readRebarCircle() {
    auto& r = s_.rebar;
    r.inCircle = true;
    if (!(real(r.yieldStress, "rebar yield stress") && real(r.elasticModulus, "rebar elastic modulus") &&
          integer(r.positionCount, "number of bar positions") && integer(r.barsPerBundle, "number of bars per bundle") &&
          real(r.barDiameterInput, "bar diameter") && real(r.barAreaInput, "bar area") &&
          real(r.cover, "concrete cover") && real(r.unusedLength, "length")))
        return false;
    if (si_) {
        r.barDiameterInput /= kMillimetresPerMetre;
        r.cover /= kMillimetresPerMetre;
        r.unusedLength /= kMillimetresPerMetre;
        r.barAreaInput /= kSquareMillimetres;
    }
    if (!LayoutCircle(s_, s_.diameter, r.cover, r.barDiameterInput, r.positionCount, r.barsPerBundle))
        return layoutFailed(edit::I0(r.positionCount) + " positions of " + edit::I0(r.barsPerBundle) +
                            " bars of diameter " + edit::Decimal(r.barDiameterInput, 4) + " with cover " +
                            edit::Decimal(r.cover, 4) + " in a section of diameter " + edit::Decimal(s_.diameter, 4));
    s_.barCount = r.positionCount * r.barsPerBundle;
    for (int k = 1; k <= s_.barCount; ++k) {
        s_.barDiameter[k] = r.barDiameterInput;
        s_.barArea[k] = r.barAreaInput;
    }
    return true;
}

bool SectionReader::readRebarPattern() {
    auto& r = s_.rebar;
    r.inCircle = false;
    if (!(real(r.yieldStress, "rebar yield stress") && real(r.elasticModulus, "rebar elastic modulus"))) return false;
    if (!ReadCount(in_, s_.barCount, "reinforcing bars", 0, kMaxBars)) return false;
    for (int k = 1; k <= s_.barCount; ++k) {
        if (!in_.values({ValueItem::Skip("bar number"), ValueItem::Int(r.barSizeIndex[k], "bar size index"),
                         ValueItem::Real(s_.barDiameter[k], "bar diameter"), ValueItem::Real(s_.barArea[k], "bar area"),
                         ValueItem::Real(s_.barX[k], "bar x coordinate"),
                         ValueItem::Real(s_.barY[k], "bar y coordinate")}))
            return false;
        if (si_) {
            s_.barDiameter[k] /= kMillimetresPerMetre;
            s_.barX[k] /= kMillimetresPerMetre;
            s_.barY[k] /= kMillimetresPerMetre;
            s_.barArea[k] /= kSquareMillimetres;
        }
    }
    return true;
}

// Grade and size of strand k from the strand table, in the run's units.
bool SectionReader::applyStrandTable(int k, int grade, int size) {
    auto& st = s_.strands;
    const StrandGrade* g = FindStrandGrade(grade);
    const StrandSize* z = FindStrandSize(grade, size);
    if (!g || !z)
        return fail95({"", "INPUT ERROR - Strand grade " + edit::I0(grade) + " has no size code " + edit::I0(size) +
                               " (strand no. " + edit::I0(k) + " of section " + edit::I0(i_) + ")",
                       ""});
    st.ultimateStrength = grade == 5 ? z->ultimateStrength : g->ultimateStrength;
    st.strandModulus = m_.options.unitSystem == UnitSystem::USCS ? g->modulusUscs : g->modulusOther;
    st.sizeCodes[k] = size;
    s_.barDiameter[k] = z->diameter;
    s_.barArea[k] = z->area;
    if (si_) {
        s_.barDiameter[k] *= kStrandInchToMetre;
        s_.barArea[k] *= kStrandInchToMetre * kStrandInchToMetre;
    }
    return true;
}

bool SectionReader::readStrands() {
    auto& st = s_.strands;
    std::string line;
    if (!in_.text(line, "the strand positioning option")) return false;
    const std::string_view how = TrimRight(line);
    if (how == "Autoposition strands") {
        st.autoPosition = true;
        if (!(integer(st.grade, "strand grade") && integer(st.sizeCode, "strand size code"))) return false;
        if (!ReadCount(in_, s_.barCount, "strands", 1, kMaxBars)) return false;
        if (!(real(st.initialPrestressForce, "initial prestressing force") &&
              real(st.prestressLossFraction, "fraction of prestress loss") && real(st.cover, "strand cover") &&
              integer(st.pattern, "strand pattern")))
            return false;
        st.cover /= lengthScale();
        if (st.pattern < 0 || st.pattern > 2)
            return fail95({"", "INPUT ERROR - Unrecognized strand pattern " + edit::I0(st.pattern) +
                                   " for section number " + edit::I0(i_)});
        for (int k = 1; k <= s_.barCount; ++k)
            if (!applyStrandTable(k, st.grade, st.sizeCode)) return false;
        st.firstStrandDiameter = s_.barDiameter[1];
        st.firstStrandArea = s_.barArea[1];
        const bool placed =
            st.pattern == 0 ? LayoutCircle(s_, s_.diameter, st.cover, st.firstStrandDiameter, s_.barCount, 1)
                            : LayoutSquare(s_, s_.diameter, st.cover, st.firstStrandDiameter, s_.barCount, st.pattern);
        if (!placed)
            return layoutFailed(edit::I0(s_.barCount) + " strands of diameter " + edit::Decimal(st.firstStrandDiameter, 4) +
                                " with cover " + edit::Decimal(st.cover, 4) + " in a pile of width " +
                                edit::Decimal(s_.diameter, 4));
        return true;
    }
    if (how == "Manually-positioned strands") {
        st.autoPosition = false;
        if (!integer(st.grade, "strand grade")) return false;
        if (!ReadCount(in_, s_.barCount, "strands", 1, kMaxBars)) return false;
        if (!(real(st.initialPrestressForce, "initial prestressing force") &&
              real(st.prestressLossFraction, "fraction of prestress loss")))
            return false;
        for (int k = 1; k <= s_.barCount; ++k) {
            int number = 0;
            int size = 0;
            if (!in_.values({ValueItem::Int(number, "strand number"), ValueItem::Int(st.grade, "strand grade"),
                             ValueItem::Int(size, "strand size code"), ValueItem::Real(s_.barX[k], "strand x coordinate"),
                             ValueItem::Real(s_.barY[k], "strand y coordinate")}))
                return false;
            if (number != k) return fail95({"INPUT ERROR - Input out-of-order for strand no."});
            s_.barX[k] /= lengthScale();
            s_.barY[k] /= lengthScale();
            if (!applyStrandTable(k, st.grade, size)) return false;
        }
        st.firstStrandDiameter = s_.barDiameter[1];
        st.firstStrandArea = s_.barArea[1];
        return true;
    }
    return fail95({"INPUT ERROR - Unrecognized input for strand no. 0", ""});
}

bool SectionReader::readElastic(bool withMomentCapacity) {
    auto& e = s_.elastic;
    if (!integer(e.shape, "elastic section shape")) return false;
    if (e.shape < 1 || e.shape > 6)
        return fail95({"", "INPUT ERROR - Unrecognized elastic section shape " + edit::I0(e.shape) +
                               " for section number " + edit::I0(i_)});
    const bool hPile = e.shape == static_cast<int>(ElasticShape::StrongHPile) ||
                       e.shape == static_cast<int>(ElasticShape::WeakHPile);
    std::vector<std::pair<double*, const char*>> fields = {{&e.elasticModulus, "elastic modulus"}};
    if (withMomentCapacity) {
        fields.push_back({&e.topPlasticMoment, "plastic moment capacity at the top"});
        if (!hPile) fields.push_back({&e.bottomPlasticMoment, "plastic moment capacity at the bottom"});
    }
    if (hPile) {
        fields.insert(fields.end(), {{&e.topWidth, "flange width"},
                                     {&e.topDepthOrThickness, "section depth"},
                                     {&e.flangeThickness, "flange thickness"},
                                     {&e.webThickness, "web thickness"},
                                     {&e.topArea, "cross-section area"},
                                     {&e.topInertia, "moment of inertia"}});
    } else {
        fields.insert(fields.end(), {{&e.topWidth, "width at the top"}, {&e.bottomWidth, "width at the bottom"}});
        if (e.shape == static_cast<int>(ElasticShape::Rectangular))
            fields.insert(fields.end(), {{&e.topDepthOrThickness, "section depth at the top"},
                                         {&e.bottomDepthOrThickness, "section depth at the bottom"}});
        if (e.shape == static_cast<int>(ElasticShape::CircularPipe))
            fields.insert(fields.end(), {{&e.topDepthOrThickness, "wall thickness at the top"},
                                         {&e.bottomDepthOrThickness, "wall thickness at the bottom"}});
        fields.insert(fields.end(), {{&e.topArea, "area at the top"},
                                     {&e.bottomArea, "area at the bottom"},
                                     {&e.topInertia, "moment of inertia at the top"},
                                     {&e.bottomInertia, "moment of inertia at the bottom"}});
        if (e.shape == static_cast<int>(ElasticShape::EmbeddedCircularPole))
            fields.push_back({&s_.diameter, "drilled hole diameter"});
    }
    for (auto& [field, what] : fields)
        if (!real(*field, what)) return false;
    if (hPile) {
        e.bottomDepthOrThickness = e.topDepthOrThickness;
        e.bottomArea = e.topArea;
        if (withMomentCapacity) e.bottomPlasticMoment = e.topPlasticMoment;
    }
    if (si_) {
        for (double* v : {&s_.diameter, &e.topWidth, &e.bottomWidth, &e.topDepthOrThickness, &e.bottomDepthOrThickness})
            *v /= kMillimetresPerMetre;
        e.topArea /= kSquareMillimetres;
        e.bottomArea /= kSquareMillimetres;
        e.topInertia /= kQuarticMillimetres;
        e.bottomInertia /= kQuarticMillimetres;
    }
    return true;
}

bool SectionReader::readUserEI() {
    auto& t = s_.userEI;
    if (!ReadCount(in_, t.thrustCount, "axial thrusts of the user-defined bending stiffness", 1, kMaxUserEIThrusts))
        return false;
    for (int j = 1; j <= t.thrustCount; ++j) {
        auto& thrust = t.thrusts[j];
        if (!real(thrust.axialThrust, "axial thrust")) return false;
        if (!ReadCount(in_, thrust.pointCount, "moment and bending stiffness points", 1, kMaxUserEIPoints))
            return false;
        for (int k = 1; k <= thrust.pointCount; ++k) {
            if (!real(thrust.points[k].moment, "bending moment")) return false;
            if (!real(thrust.points[k].bendingStiffness, "bending stiffness")) return false;
        }
    }
    return true;
}

bool SectionReader::layoutFailed(const std::string& what) {
    WriteMessage(run_, MessageTo::LogThenReport, {"", "**** Input Data Error No. 37 ****", "",
                "Problem:  The bars or strands of section " + edit::I0(i_) + " cannot be placed:",
                "          " + what + ".",
                "Solution: Check the section dimensions, the cover, the bar size and the number of bars.", ""});
    run_.terminate(ErrorCode::Input(kErrorBarLayout));
    return false;
}

void SectionReader::buildProfile() {
    const double top = m_.pileLength;
    m_.pileLength += s_.length;
    const double bottom = m_.pileLength;
    DimensionPoint& p1 = m_.dimensionProfile[2 * i_ - 1];
    DimensionPoint& p2 = m_.dimensionProfile[2 * i_];
    p1 = DimensionPoint{};
    p2 = DimensionPoint{};
    p1.depth = top;
    p2.depth = bottom;
    const int type = s_.sectionType;
    const auto& e = s_.elastic;
    if (type == static_cast<int>(SectionType::RectangularConcrete)) {
        p1.width = p2.width = s_.width;
    } else if (type == static_cast<int>(SectionType::Elastic) ||
               type == static_cast<int>(SectionType::ElasticWithMomentCapacity)) {
        switch (static_cast<ElasticShape>(e.shape)) {
            case ElasticShape::StrongHPile:
                p1.width = p2.width = e.topWidth;
                break;
            case ElasticShape::WeakHPile:
                p1.width = p2.width = e.topDepthOrThickness;
                break;
            case ElasticShape::EmbeddedCircularPole:
                p1.width = p2.width = s_.diameter;
                break;
            default:
                p1.width = e.topWidth;
                p2.width = e.bottomWidth;
        }
        const bool hPile = e.shape == static_cast<int>(ElasticShape::StrongHPile) ||
                           e.shape == static_cast<int>(ElasticShape::WeakHPile);
        p1.modulus = p2.modulus = e.elasticModulus;
        p1.inertia = e.topInertia;
        p2.inertia = hPile ? e.topInertia : e.bottomInertia;
        p1.area = e.topArea;
        p2.area = hPile ? e.topArea : e.bottomArea;
    } else {
        p1.width = p2.width = s_.diameter;
    }
    if (type == static_cast<int>(SectionType::SteelPipe)) {
        const double D = s_.diameter;
        const double inner = D - 2.0 * s_.casingThickness;
        p1.inertia = p2.inertia = kPi / 64.0 * (std::pow(D, 4) - std::pow(inner, 4));
        p1.area = p2.area = kPi / 4.0 * (D * D - inner * inner);
        p1.modulus = p2.modulus = s_.steelModulus;
    }
    if (type == static_cast<int>(SectionType::RectangularConcrete) ||
        type == static_cast<int>(SectionType::ElasticWithMomentCapacity)) {
        s_.topDepth = top;
        s_.bottomDepth = bottom;
    }
}

}  // namespace

void ReadSections(RecordReader& in) {
    auto& m = *in.run().model;
    int n = 0;
    if (!ReadCount(in, n, "pile sections", 0, kMaxSections)) return;
    m.sectionCount = n;
    m.dimensionPointCount = 2 * n;
    m.pileLength = 0.0;
    m.dimensionProfile[1].depth = 0.0;
    for (int i = 1; i <= n; ++i) {
        SectionReader section(in, i);
        if (!section.read()) return;
    }
}

}  // namespace drovi
