// SPDX-License-Identifier: GPL-3.0-or-later
// The printable 3MF read back by lib3mf's own reader, in strict mode: one mesh in
// millimetres standing on z = 0, every triangle with an opaque base material in the colour
// its face shows in the view, one material for each colour used; and the file's name
// choosing between 3MF and STL, and failed writes that leave nothing behind.

#include "session/ExportFile.h"
#include "support/RunProgram.h"
#include "support/SolidDump.h"

#include <Model/COM/NMR_DLLInterfaces.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <utility>

namespace {

// A lib3mf object, released at the end of its scope.
class TRef {
public:
    TRef() = default;
    TRef(TRef&& other) noexcept : Object(std::exchange(other.Object, nullptr)) {}
    TRef& operator=(const TRef&) = delete;
    ~TRef()
    {
        if (Object != nullptr)
            (void)NMR::lib3mf_release(Object);
    }
    NMR::PLib3MFBase** Out() { return &Object; }
    NMR::PLib3MFBase* Get() const { return Object; }

private:
    NMR::PLib3MFBase* Object = nullptr;
};

struct TReadMaterial {
    std::string Name;
    TColour Colour = 0;
    int Alpha = 0;
};

// What the reader finds: the one mesh and the one base-material group.
struct TReadModel {
    std::string Error;  // empty when it read as expected
    DWORD Unit = 0;
    int BuildItems = 0;
    std::vector<std::array<TVector3, 3>> Triangles;
    std::vector<int> TriangleMaterial;  // into Materials; -1 for a triangle without one of them
    std::vector<TReadMaterial> Materials;
};

// The first resource an iterator walks over; count receives how many it holds.
TRef CurrentOnly(NMR::PLib3MFBase* iterator, int& count)
{
    TRef current;
    BOOL more = false;
    for (count = 0; NMR::lib3mf_resourceiterator_movenext(iterator, &more) == LIB3MF_OK && more; ++count)
        if (count == 0)
            (void)NMR::lib3mf_resourceiterator_getcurrent(iterator, current.Out());
    return current;
}

void ReadMaterials(NMR::PLib3MFBase* model, TReadModel& read, DWORD& groupId)
{
    TRef groups;
    int count = 0;
    (void)NMR::lib3mf_model_getbasematerials(model, groups.Out());
    const TRef group = CurrentOnly(groups.Get(), count);
    DWORD materials = 0;
    if (count != 1 || NMR::lib3mf_basematerial_getcount(group.Get(), &materials) != LIB3MF_OK
        || NMR::lib3mf_basematerial_getresourceid(group.Get(), &groupId) != LIB3MF_OK) {
        read.Error = std::to_string(count) + " base-material groups";
        return;
    }
    for (DWORD m = 0; m < materials; ++m) {
        char name[256] = {};
        ULONG needed = 0;
        BYTE red = 0, green = 0, blue = 0, alpha = 0;
        (void)NMR::lib3mf_basematerial_getnameutf8(group.Get(), m, name, sizeof name, &needed);
        (void)NMR::lib3mf_basematerial_getdisplaycolor(group.Get(), m, &red, &green, &blue, &alpha);
        read.Materials.push_back(TReadMaterial{name, MakeColour(red, green, blue), alpha});
    }
}

void ReadMesh(NMR::PLib3MFBase* model, DWORD groupId, TReadModel& read)
{
    TRef meshes, properties;
    int count = 0;
    (void)NMR::lib3mf_model_getmeshobjects(model, meshes.Out());
    const TRef mesh = CurrentOnly(meshes.Get(), count);
    DWORD vertexCount = 0, triangleCount = 0;
    if (count != 1 || NMR::lib3mf_meshobject_getvertexcount(mesh.Get(), &vertexCount) != LIB3MF_OK
        || NMR::lib3mf_meshobject_gettrianglecount(mesh.Get(), &triangleCount) != LIB3MF_OK) {
        read.Error = std::to_string(count) + " meshes";
        return;
    }
    std::vector<NMR::MODELMESHVERTEX> vertices(vertexCount);
    std::vector<NMR::MODELMESHTRIANGLE> triangles(triangleCount);
    std::vector<DWORD> groups(triangleCount), indices(triangleCount);
    (void)NMR::lib3mf_meshobject_getvertices(mesh.Get(), vertices.data(), vertexCount, nullptr);
    (void)NMR::lib3mf_meshobject_gettriangleindices(mesh.Get(), triangles.data(), triangleCount, nullptr);
    (void)NMR::lib3mf_meshobject_createpropertyhandler(mesh.Get(), properties.Out());
    (void)NMR::lib3mf_propertyhandler_getbasematerialarray(properties.Get(), groups.data(), indices.data());
    for (DWORD t = 0; t < triangleCount; ++t) {
        std::array<TVector3, 3> corners{};
        for (int c = 0; c < 3; ++c) {
            const float* p = vertices[triangles[t].m_nIndices[c]].m_fPosition;
            corners[static_cast<std::size_t>(c)] = TVector3{p[0], p[1], p[2]};
        }
        read.Triangles.push_back(corners);
        const bool ours = groups[t] == groupId && indices[t] < read.Materials.size();
        read.TriangleMaterial.push_back(ours ? static_cast<int>(indices[t]) : -1);
    }
}

TReadModel ReadThreeMf(const std::string& path)
{
    std::string bytes = ReadWholeFile(path);
    TReadModel read;
    TRef model, reader, items;
    (void)NMR::lib3mf_createmodel(model.Out());
    (void)NMR::lib3mf_model_queryreader(model.Get(), MODELREADERCLASS_3MF, reader.Out());
    (void)NMR::lib3mf_reader_setstrictmodeactive(reader.Get(), true);  // every warning an error
    if (NMR::lib3mf_reader_readfrombuffer(reader.Get(), reinterpret_cast<BYTE*>(bytes.data()), bytes.size())
        != LIB3MF_OK) {
        read.Error = "lib3mf does not read " + path;
        return read;
    }
    (void)NMR::lib3mf_model_getunit(model.Get(), &read.Unit);
    (void)NMR::lib3mf_model_getbuilditems(model.Get(), items.Out());
    for (BOOL more = false; NMR::lib3mf_builditemiterator_movenext(items.Get(), &more) == LIB3MF_OK && more;)
        ++read.BuildItems;
    DWORD groupId = 0;
    ReadMaterials(model.Get(), read, groupId);
    if (read.Error.empty())
        ReadMesh(model.Get(), groupId, read);
    return read;
}

double TriangleArea(const std::array<TVector3, 3>& t)
{
    return VectorLength(CrossProduct(SubtractVectors(t[1], t[0]), SubtractVectors(t[2], t[0]))) / 2.0;
}

// The outer area each colour covers, as a share of the whole.
std::map<TColour, double> AreaShares(const TReadModel& read)
{
    std::map<TColour, double> shares;
    double whole = 0.0;
    for (std::size_t t = 0; t < read.Triangles.size(); ++t) {
        const double area = TriangleArea(read.Triangles[t]);
        whole += area;
        if (read.TriangleMaterial[t] >= 0)
            shares[read.Materials[static_cast<std::size_t>(read.TriangleMaterial[t])].Colour] += area;
    }
    for (auto& [colour, share] : shares)
        share /= whole;
    return shares;
}

std::set<std::string> NameParts(const std::string& name)
{
    std::set<std::string> parts;
    for (std::size_t at = 0; at <= name.size();) {
        const std::size_t comma = std::min(name.find(", ", at), name.size());
        parts.insert(name.substr(at, comma - at));
        at = comma + 2;
    }
    return parts;
}

struct TPrinted {
    TPrintResult Result;
    TReadModel Read;
};

TPrinted PrintThreeMf(const std::string& config, double heightMm, const std::string& path,
                      const TDisplaySettings& settings = FirstStartDisplaySettings())
{
    TBuildSession session;
    TNullPane pane;
    EXPECT_FALSE(session.Press(TBuildMode::OneShot, Config(config), settings, pane)) << config;
    TPrinted printed{ExportPrintFile(session, 1, path, heightMm, settings), {}};
    EXPECT_EQ(printed.Result.Error, "") << config;
    printed.Read = ReadThreeMf(path);
    EXPECT_EQ(printed.Read.Error, "") << config;
    return printed;
}

// Every triangle has one of the group's materials, each material is used, opaque, and
// named after the polygons it colours; no two share a colour.
void ExpectMaterials(const TReadModel& read, const std::map<TColour, std::set<std::string>>& expected,
                     const std::string& config)
{
    std::vector<int> uses(read.Materials.size());
    for (const int m : read.TriangleMaterial) {
        ASSERT_GE(m, 0) << config << ": a triangle without a base material";
        ++uses[static_cast<std::size_t>(m)];
    }
    std::map<TColour, std::set<std::string>> found;
    for (std::size_t m = 0; m < read.Materials.size(); ++m) {
        const TReadMaterial& material = read.Materials[m];
        EXPECT_GT(uses[m], 0) << config << ": " << material.Name << " is used by no triangle";
        EXPECT_EQ(material.Alpha, 255) << config << ": " << material.Name;
        EXPECT_TRUE(found.emplace(material.Colour, NameParts(material.Name)).second) << config << ": colour twice";
    }
    EXPECT_EQ(found, expected) << config;
}

}  // namespace

TEST(PrintThreeMf, EachTriangleTakesTheColourItsFaceShowsInTheView)
{
    const TPalette convex = BuiltInPalette(TBuiltInScheme::Rainbow);
    const TPalette star = BuiltInPalette(TBuiltInScheme::Dark);
    struct TCase {
        const char* Config;
        int Triangles;  // -1 where the outer surface's triangulation is not pinned here
        std::map<TColour, std::set<std::string>> Materials;
    };
    // The rhombicosidodecahedron; the great dodecahedron, whose faces are convex pentagons;
    // the small stellated dodecahedron, all pentagrams; the dodecadodecahedron, with both;
    // the tetrahemihexahedron, whose triangles run both ways ({3} and {3/2}) in one colour.
    const std::vector<TCase> cases = {
        {"(3, 4, 5, 4)", 116, {{convex[0], {"{3}"}}, {convex[1], {"{4}"}}, {convex[2], {"{5}"}}}},
        {"(5, 5, 5, 5, 5)/2", 60, {{convex[2], {"{5}"}}}},
        {"(5/2, 5/2, 5/2, 5/2, 5/2)", -1, {{star[2], {"{5/2}"}}}},
        {"(5, 5/2, 5, 5/2)", -1, {{convex[2], {"{5}"}}, {star[2], {"{5/2}"}}}},
        {"(3, 4, 3/2, 4)", 16, {{convex[0], {"{3}", "{3/2}"}}, {convex[1], {"{4}"}}}},
    };
    const std::string directory = ScratchDirectory();
    for (const TCase& c : cases) {
        const double height = 45.0;
        const TPrinted printed = PrintThreeMf(c.Config, height, directory + "/model.3mf");
        const TReadModel& read = printed.Read;
        EXPECT_EQ(read.Unit, static_cast<DWORD>(NMR::MODELUNIT_MILLIMETER)) << c.Config;
        EXPECT_EQ(read.BuildItems, 1) << c.Config;
        EXPECT_EQ(static_cast<int>(read.Triangles.size()), printed.Result.Triangles) << c.Config;
        if (c.Triangles >= 0) {
            EXPECT_EQ(printed.Result.Triangles, c.Triangles) << c.Config;
        }
        TVector3 low{1e9, 1e9, 1e9}, high{-1e9, -1e9, -1e9};
        for (const auto& t : read.Triangles)
            for (const TVector3& p : t) {
                low = {std::min(low.X, p.X), std::min(low.Y, p.Y), std::min(low.Z, p.Z)};
                high = {std::max(high.X, p.X), std::max(high.Y, p.Y), std::max(high.Z, p.Z)};
            }
        EXPECT_EQ(low.Z, 0.0) << c.Config;
        EXPECT_NEAR(high.Z, height, 1e-4) << c.Config;
        EXPECT_NEAR(low.X + high.X, 0.0, 1e-4) << c.Config;
        EXPECT_NEAR(low.Y + high.Y, 0.0, 1e-4) << c.Config;
        ExpectMaterials(read, c.Materials, c.Config);
    }
    // Each colour where its faces are: the rhombicosidodecahedron's 20 triangles, 30 squares
    // and 12 pentagons of unit edge share its area as 5√3 : 30 : 3√(25 + 10√5).
    const std::map<TColour, double> shares = AreaShares(PrintThreeMf("(3, 4, 5, 4)", 50, directory + "/r.3mf").Read);
    const double triangles = 5.0 * std::sqrt(3.0), pentagons = 3.0 * std::sqrt(25.0 + 10.0 * std::sqrt(5.0));
    const double whole = triangles + 30.0 + pentagons;
    EXPECT_NEAR(shares.at(convex[0]), triangles / whole, 1e-6);
    EXPECT_NEAR(shares.at(convex[1]), 30.0 / whole, 1e-6);
    EXPECT_NEAR(shares.at(convex[2]), pentagons / whole, 1e-6);
}

TEST(PrintThreeMf, TheDisplaySettingsChooseTheColours)
{
    const std::string directory = ScratchDirectory();
    TDisplaySettings settings = FirstStartDisplaySettings();
    settings.Groups[0].Palette[1] = MakeColour(1, 2, 3);  // the squares'
    const TPalette rainbow = BuiltInPalette(TBuiltInScheme::Rainbow);
    ExpectMaterials(PrintThreeMf("(3, 4, 5, 4)", 30, directory + "/own.3mf", settings).Read,
                    {{rainbow[0], {"{3}"}}, {MakeColour(1, 2, 3), {"{4}"}}, {rainbow[2], {"{5}"}}}, "own palette");
    // In one colour, every polygon of the group shares one material.
    settings.Groups[0].Mono = true;
    ExpectMaterials(PrintThreeMf("(3, 4, 5, 4)", 30, directory + "/mono.3mf", settings).Read,
                    {{Cyan, {"{3}", "{4}", "{5}"}}}, "mono");
}

TEST(PrintThreeMf, TheNameChoosesThreeMfOrStlInAnyCase)
{
    EXPECT_EQ(PrintFormatFromPath("/a.b/Cube.3MF"), TPrintFormat::ThreeMf);
    EXPECT_EQ(PrintFormatFromPath("/a.3mf/cube.Stl"), TPrintFormat::Stl);
    EXPECT_EQ(PrintFormatFromPath("/a.3mf/cube"), std::nullopt);
    EXPECT_EQ(PrintFormatFromPath("cube.3mf.png"), std::nullopt);
    const std::string directory = ScratchDirectory();
    TBuildSession session;
    TNullPane pane;
    ASSERT_FALSE(session.Press(TBuildMode::OneShot, Config("(4, 4, 4)"), FirstStartDisplaySettings(), pane));
    ASSERT_FALSE(ExportPrintFile(session, 1, directory + "/cube.3MF", 20).Failed());
    EXPECT_EQ(ReadWholeFile(directory + "/cube.3MF").substr(0, 4), std::string("PK\3\4", 4));  // a ZIP package
    ASSERT_FALSE(ExportPrintFile(session, 1, directory + "/cube.STL", 20).Failed());
    EXPECT_EQ(ReadWholeFile(directory + "/cube.STL").size(), 84u + 50u * 12u);  // binary STL of 12 triangles
}

TEST(PrintThreeMf, AFailedWriteSaysWhyAndLeavesNothingBehind)
{
    const std::string directory = ScratchDirectory();
    TBuildSession session;
    TNullPane pane;
    ASSERT_FALSE(session.Press(TBuildMode::OneShot, Config("(4, 4, 4)"), FirstStartDisplaySettings(), pane));
    const TPrintResult missing = ExportPrintFile(session, 1, directory + "/no/such/cube.3mf", 20);
    EXPECT_NE(missing.Error.find("No such file or directory"), std::string::npos) << missing.Error;
    // A read-only model is refused and kept as it was, with no temporary left beside it.
    const std::string kept = directory + "/kept.3mf";
    std::ofstream(kept) << "old";
    std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
    const TPrintResult refused = ExportPrintFile(session, 1, kept, 20);
    EXPECT_NE(refused.Error.find("Permission denied"), std::string::npos) << refused.Error;
    EXPECT_EQ(ReadWholeFile(kept), "old");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"kept.3mf"});
    std::filesystem::permissions(kept, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
}
