// SPDX-License-Identifier: GPL-3.0-or-later
// Every export format read back by a reader we did not write: Assimp for OBJ, admesh for
// STL, the Khronos validator for glTF, libpng for PNG, and for OFF a reader that checks
// the geometry itself (every face a regular {n/d} with unit edges).

#include "catalogue/PolyhedronInfo.h"
#include "measure/PolyhedronCalc.h"
#include "session/ExportFile.h"
#include "support/RunProgram.h"
#include "support/SolidDump.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {

// A session that has built config and formed what settings show of list position 1.
struct TShown {
    TBuildSession Session;
    TDisplaySettings Settings = FirstStartDisplaySettings();
    int Pick = 1;
};

std::unique_ptr<TShown> Shown(const TVertexConfiguration& config, bool dual, bool compound, int pick = 1)
{
    auto shown = std::make_unique<TShown>();
    shown->Settings.DualShown = dual;
    shown->Settings.CompoundShown = compound;
    shown->Pick = pick;
    TLinePane pane;
    EXPECT_FALSE(shown->Session.Press(TBuildMode::OneShot, config, shown->Settings, pane));
    shown->Session.Show(pick, shown->Settings, pane);
    return shown;
}

std::unique_ptr<TShown> Shown(const std::string& text, bool dual = false, bool compound = false)
{
    return Shown(Config(text), dual, compound);
}

std::string Export(const TShown& shown, TExportFormat format, const std::string& name, TPictureSettings picture = {})
{
    const std::string path = ScratchDirectory() + "/" + name;
    const TExportResult result = ExportShownFile(shown.Session, shown.Pick, shown.Settings, format, path, picture);
    EXPECT_EQ(result.Error, "") << name;
    return path;
}

const TPolyFace& Solid(const TShown& shown)
{
    return shown.Session.SolidAt(shown.Pick)->Raw;
}

// --- OFF ---------------------------------------------------------------------------

struct TOffFile {
    std::vector<TVector3> Vertices;
    std::vector<std::vector<int>> Faces;
    std::vector<std::vector<double>> Colours;
};

TOffFile ReadOff(const std::string& path)
{
    std::istringstream in(ReadWholeFile(path));
    TOffFile off;
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "OFF");
    std::size_t vertices = 0, faces = 0, edges = 0;
    while (std::getline(in, line) && (line.empty() || line[0] == '#')) {}
    std::istringstream(line) >> vertices >> faces >> edges;
    if (vertices > 100000 || faces > 100000)
        return off;
    for (std::size_t v = 0; v < vertices && std::getline(in, line); ++v) {
        TVector3 p{};
        std::istringstream(line) >> p.X >> p.Y >> p.Z;
        off.Vertices.push_back(p);
    }
    for (std::size_t f = 0; f < faces && std::getline(in, line); ++f) {
        std::istringstream fields(line);
        std::size_t size = 0;
        fields >> size;
        std::vector<int> corners(size);
        for (int& c : corners)
            if (!(fields >> c) || c < 0 || static_cast<std::size_t>(c) >= vertices)
                return TOffFile{};
        std::vector<double> colour;
        for (double x = 0; fields >> x;)
            colour.push_back(x);
        off.Faces.push_back(corners);
        off.Colours.push_back(colour);
    }
    return off;
}

// A regular {n/d} with unit edges: every edge 1, every corner at the circumradius
// 1 / (2 sin(pi d / n)) from the face's centre, all in one plane.
bool RegularStarPolygon(const TOffFile& off, const std::vector<int>& face, std::string& why)
{
    const std::size_t n = face.size();
    TVector3 centre{};
    for (const int c : face)
        centre = AddVectors(centre, off.Vertices[static_cast<std::size_t>(c)]);
    centre = ScaleVector(centre, 1.0 / static_cast<double>(n));
    const double radius = VectorLength(SubtractVectors(off.Vertices[static_cast<std::size_t>(face[0])], centre));
    const double d = std::asin(std::min(1.0, 1.0 / (2.0 * radius))) * static_cast<double>(n) / M_PI;
    if (std::fabs(d - std::round(d)) > 1e-6) {
        why = "circumradius fits no {n/d}";
        return false;
    }
    for (std::size_t j = 0; j < n; ++j) {
        const TVector3 a = off.Vertices[static_cast<std::size_t>(face[j])];
        const TVector3 b = off.Vertices[static_cast<std::size_t>(face[(j + 1) % n])];
        if (std::fabs(VectorLength(SubtractVectors(a, b)) - 1.0) > 1e-9)
            why = "an edge is not of unit length";
        if (std::fabs(VectorLength(SubtractVectors(a, centre)) - radius) > 1e-9)
            why = "a corner is off the circle";
    }
    return why.empty();
}

}  // namespace

TEST(ExportFormats, OffHoldsTheSolidsFacesAsRegularPolygonsWithUnitEdges)
{
    for (const char* text :
         {"(3, 4, 5, 4)", "(3, 3, 3, 3, 4)", "(5/2, 5/2, 5/2)", "(3, 10/3, 5/2, 10/3)", "(3, 6, 3/2, 6)"}) {
        const auto shown = Shown(text);
        const TPolyFace& solid = Solid(*shown);
        const TOffFile off = ReadOff(Export(*shown, TExportFormat::Off, "solid.off"));
        ASSERT_EQ(off.Vertices.size(), static_cast<std::size_t>(solid.VertexCount)) << text;
        ASSERT_EQ(off.Faces.size(), static_cast<std::size_t>(solid.FaceCount)) << text;
        for (std::size_t f = 0; f < off.Faces.size(); ++f) {
            std::string why;
            EXPECT_TRUE(RegularStarPolygon(off, off.Faces[f], why)) << text << " face " << f << ": " << why;
            EXPECT_EQ(off.Faces[f].size(), static_cast<std::size_t>(solid.FaceN[f])) << text;
            ASSERT_EQ(off.Colours[f].size(), 4u) << text;
            for (const double channel : off.Colours[f])
                EXPECT_TRUE(channel >= 0.0 && channel <= 1.0) << text;
        }
    }
}

// --- STL through admesh ----------------------------------------------------------------

namespace {

double AdmeshFigure(const std::string& report, const std::string& label)
{
    const std::regex pattern(label + R"(\s*:\s*([-0-9.eE+]+))");
    std::smatch match;
    if (!std::regex_search(report, match, pattern))
        return std::nan("");
    return std::stod(match[1].str());
}

}  // namespace

TEST(ExportFormats, AdmeshReadsEveryConvexCatalogueSolidClosedWithZenkarisVolume)
{
    int checked = 0;
    for (int entry = 0; entry < CatalogueEntryCount; ++entry) {
        TVertexConfiguration config;
        int pick = 0;
        ASSERT_EQ(ParseCodeString(PolyhedronCatalogue()[entry].Code, config, pick).Error, "");
        const std::string text = ConfigurationText(config);
        if (text.find('/') != std::string::npos || text.find('[') != std::string::npos)
            continue;  // only convex solids are closed, consistently oriented surfaces
        const auto shown = Shown(config, false, false, pick);
        const TPolyFace& solid = Solid(*shown);
        int facets = 0;
        for (int f = 0; f < solid.FaceCount; ++f)
            facets += solid.FaceN[f] - 2;
        const std::string path = Export(*shown, TExportFormat::Stl, "solid.stl");
        const TProgramResult admesh = RunProgram("admesh", {path});
        ASSERT_EQ(admesh.Status, 0) << admesh.Err;
        EXPECT_EQ(AdmeshFigure(admesh.Out, "Number of facets"), facets) << text;
        EXPECT_EQ(AdmeshFigure(admesh.Out, "Edges fixed"), 0) << text;
        EXPECT_EQ(AdmeshFigure(admesh.Out, "Facets removed"), 0) << text;
        EXPECT_EQ(AdmeshFigure(admesh.Out, "Facets reversed"), 0) << text;
        EXPECT_EQ(AdmeshFigure(admesh.Out, "Number of parts"), 1) << text;
        const double volume = Volume(*shown->Session.SolidAt(pick));
        EXPECT_NEAR(AdmeshFigure(admesh.Out, "Volume"), volume, 1e-6 * std::max(1.0, volume)) << text;
        ++checked;
    }
    EXPECT_GE(checked, 18);  // the Platonic and Archimedean solids at least
}

// --- glTF through the Khronos validator ---------------------------------------------------

TEST(ExportFormats, TheGltfValidatorFindsNoErrors)
{
    const std::string tools = ZENKARI_TEST_TOOLS_DIR;
    ASSERT_TRUE(!ReadWholeFile(tools + "/node_modules/gltf-validator/package.json").empty())
        << "the glTF validator is missing: scripts/install-test-tools.sh " << tools;
    const struct {
        const char* Config;
        bool Dual;
        bool Compound;
    } cases[] = {
        {"(3, 4, 5, 4)", false, false},      // convex
        {"(5/2, 5, 5/2, 5)", false, false},  // star faces
        {"(3, 4, 3/2, 4)", true, false},     // a dual with far points
        {"(3, 5, 3, 5)", true, true},        // the compound of the icosidodecahedron
    };
    for (const auto& c : cases) {
        const auto shown = Shown(c.Config, c.Dual, c.Compound);
        const std::string path = Export(*shown, TExportFormat::Glb, "solid.glb");
        const TProgramResult check =
            RunProgram("env", {"NODE_PATH=" + tools + "/node_modules", "node",
                               std::string(ZENKARI_TESTS_SOURCE_DIR) + "/export/validate-gltf.js", path});
        ASSERT_EQ(check.Status, 0) << check.Out << check.Err;
        EXPECT_NE(check.Out.find("\"errors\":0,"), std::string::npos) << c.Config << ": " << check.Out;
    }
}

// --- OBJ through Assimp's importer ----------------------------------------------------------

TEST(ExportFormats, AssimpReadsTheObjWithItsTrianglesAndMaterialColours)
{
    for (const auto& [text, compound] :
         {std::pair{"(3, 4, 5, 4)", false}, std::pair{"(5/2, 5/2, 5/2)", false}, std::pair{"(3, 4, 3, 4)", true}}) {
        const auto shown = Shown(text, false, compound);
        const TExportScene scene = shown->Session.DescribeShown(shown->Pick, shown->Settings);
        const std::string path = Export(*shown, TExportFormat::Obj, "solid.obj");
        Assimp::Importer importer;
        const aiScene* read = importer.ReadFile(path, aiProcess_JoinIdenticalVertices);
        ASSERT_NE(read, nullptr) << importer.GetErrorString();
        std::size_t faces = 0;
        std::map<std::string, aiColor3D> colours;
        for (unsigned m = 0; m < read->mNumMeshes; ++m) {
            faces += read->mMeshes[m]->mNumFaces;
            for (unsigned f = 0; f < read->mMeshes[m]->mNumFaces; ++f)
                EXPECT_EQ(read->mMeshes[m]->mFaces[f].mNumIndices, 3u);
        }
        for (unsigned m = 0; m < read->mNumMaterials; ++m) {
            aiString name;
            aiColor3D diffuse;
            read->mMaterials[m]->Get(AI_MATKEY_NAME, name);
            read->mMaterials[m]->Get(AI_MATKEY_COLOR_DIFFUSE, diffuse);
            colours[name.C_Str()] = diffuse;
        }
        EXPECT_EQ(faces, scene.Triangles.size()) << text;
        // The positions written: the distinct corners of the triangles.
        const std::string obj = ReadWholeFile(path);
        std::set<int> corners;
        for (const TExportTriangle& t : scene.Triangles)
            corners.insert(t.Corner, t.Corner + 3);
        EXPECT_EQ(static_cast<std::size_t>(Occurrences(obj, "\nv ")), corners.size()) << text;
        for (const TExportMaterial& material : scene.Materials) {
            ASSERT_EQ(colours.count(material.Name), 1u) << text << " " << material.Name;
            EXPECT_NEAR(colours[material.Name].r, RedOf(material.Colour) / 255.0, 1e-6);
            EXPECT_NEAR(colours[material.Name].g, GreenOf(material.Colour) / 255.0, 1e-6);
            EXPECT_NEAR(colours[material.Name].b, BlueOf(material.Colour) / 255.0, 1e-6);
        }
        const std::string mtl = path.substr(0, path.size() - 3) + "mtl";
        EXPECT_NE(ReadWholeFile(mtl).find("newmtl"), std::string::npos);
    }
}

// --- PNG through libpng --------------------------------------------------------------------

namespace {

struct TPicture {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Rgb;

    [[nodiscard]] TColour At(int x, int y) const
    {
        const std::size_t i =
            3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x));
        return MakeColour(Rgb[i], Rgb[i + 1], Rgb[i + 2]);
    }
};

TPicture ReadPng(const std::string& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    TPicture picture;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return picture;
    image.format = PNG_FORMAT_RGB;
    picture.Width = static_cast<int>(image.width);
    picture.Height = static_cast<int>(image.height);
    picture.Rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.Rgb.data(), 0, nullptr))
        picture = TPicture{};
    return picture;
}

}  // namespace

TEST(ExportFormats, ThePictureHasTheSizeAskedTheBackgroundInItsCornersAndTheSolidAtItsCentre)
{
    auto shown = Shown("(4, 4, 4)");
    shown->Settings.Background = MakeColour(10, 20, 30);
    shown->Settings.Shading = false;
    shown->Settings.SurfaceMode = 0;
    shown->Settings.Groups[0].Mono = true;
    shown->Settings.Groups[0].Single = MakeColour(200, 100, 0);
    shown->Settings.EdgeWidth = 0;  // a vertex faces the viewer: no edge ribbon over the centre
    TPictureSettings picture;
    picture.Width = 321;
    picture.Height = 203;
    const TPicture png = ReadPng(Export(*shown, TExportFormat::Png, "view.png", picture));
    ASSERT_EQ(png.Width, 321);
    ASSERT_EQ(png.Height, 203);
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{320, 0}, std::pair{0, 202}, std::pair{320, 202}})
        EXPECT_EQ(png.At(x, y), MakeColour(10, 20, 30)) << x << "," << y;
    EXPECT_EQ(png.At(160, 101), MakeColour(200, 100, 0));
}

TEST(ExportFormats, FormatsAreTakenFromTheNameOrGiven)
{
    EXPECT_EQ(ExportFormatFromPath("/a.b/Solid.GLB"), TExportFormat::Glb);
    EXPECT_EQ(ExportFormatFromPath("x.vrml"), TExportFormat::Vrml);
    EXPECT_EQ(ExportFormatFromPath("/a.obj/solid"), std::nullopt);
    EXPECT_EQ(ExportFormatFromPath("solid.gltf"), std::nullopt);
    EXPECT_EQ(ExportFormatFromName("off"), TExportFormat::Off);
    EXPECT_EQ(ExportFormatFromName("OFF"), std::nullopt);
}

TEST(ExportFormats, AFailedWriteLeavesTheOldFileAndSaysWhy)
{
    const auto shown = Shown("(3, 4, 3, 4)");
    const std::string directory = ScratchDirectory();
    const std::string path = directory + "/kept.stl";
    std::ofstream(path) << "old";
    const TExportResult missing = ExportShownFile(shown->Session, 1, shown->Settings, TExportFormat::Stl,
                                                  directory + "/no/such/dir.stl", TPictureSettings{});
    EXPECT_NE(missing.Error.find("No such file or directory"), std::string::npos) << missing.Error;
    const TExportResult nothing =
        ExportShownFile(shown->Session, 5, shown->Settings, TExportFormat::Stl, path, TPictureSettings{});
    EXPECT_NE(nothing.Error.find("holds no solid"), std::string::npos);
    // A dual abandoned for its points at infinity has no face to write.
    const auto abandoned = Shown("(4, 4, 8/3, 8/5)", true, false);
    const TExportResult empty =
        ExportShownFile(abandoned->Session, 1, abandoned->Settings, TExportFormat::Off, path, TPictureSettings{});
    EXPECT_NE(empty.Error.find("has no face"), std::string::npos) << empty.Error;
    EXPECT_EQ(ReadWholeFile(path), "old");
}

// --- The same faces, windings and colours in every format ------------------------------------

namespace {

// A surface read back: its corners welded to the solid's vertices where they lie on one (the
// mesh formats write each triangle's corners apart, in single precision), and its polygons.
struct TWoundSurface {
    std::vector<TVector3> Points;
    std::vector<std::vector<int>> Polygons;
};

int WeldedPoint(TWoundSurface& surface, TVector3 p)
{
    for (std::size_t i = 0; i < surface.Points.size(); ++i)
        if (VectorLength(SubtractVectors(surface.Points[i], p)) < 1e-5)
            return static_cast<int>(i);
    surface.Points.push_back(p);
    return static_cast<int>(surface.Points.size()) - 1;
}

TWoundSurface OffSurface(const std::string& path)
{
    const TOffFile off = ReadOff(path);
    TWoundSurface surface{off.Vertices, off.Faces};
    return surface;
}

// The triangles Assimp reads from an OBJ, STL or glTF file, welded onto start's points.
TWoundSurface ImportedSurface(const std::string& path, const TWoundSurface& start)
{
    TWoundSurface surface{start.Points, {}};
    Assimp::Importer importer;
    const aiScene* read = importer.ReadFile(path, 0);
    EXPECT_NE(read, nullptr) << path << ": " << importer.GetErrorString();
    for (unsigned m = 0; read != nullptr && m < read->mNumMeshes; ++m) {
        const aiMesh& mesh = *read->mMeshes[m];
        for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
            std::vector<int> polygon;
            for (unsigned j = 0; j < mesh.mFaces[f].mNumIndices; ++j) {
                const aiVector3D p = mesh.mVertices[mesh.mFaces[f].mIndices[j]];
                polygon.push_back(WeldedPoint(surface, TVector3{p.x, p.y, p.z}));
            }
            surface.Polygons.push_back(polygon);
        }
    }
    return surface;
}

double SignedVolume(const TWoundSurface& surface)
{
    double volume = 0.0;
    for (const std::vector<int>& polygon : surface.Polygons)
        for (std::size_t j = 1; j + 1 < polygon.size(); ++j)
            volume += DotProduct(surface.Points[static_cast<std::size_t>(polygon[0])],
                                 CrossProduct(surface.Points[static_cast<std::size_t>(polygon[j])],
                                              surface.Points[static_cast<std::size_t>(polygon[j + 1])]))
                      / 6.0;
    return volume;
}

// The edges that exactly two polygons share and run the same way: none on a surface wound
// consistently.
int EdgesRunTheSameWay(const TWoundSurface& surface)
{
    std::map<std::pair<int, int>, std::vector<bool>> runs;
    for (const std::vector<int>& polygon : surface.Polygons)
        for (std::size_t j = 0; j < polygon.size(); ++j) {
            const int a = polygon[j];
            const int b = polygon[(j + 1) % polygon.size()];
            runs[{std::min(a, b), std::max(a, b)}].push_back(a < b);
        }
    int same = 0;
    for (const auto& [edge, up] : runs)
        same += up.size() == 2 && up[0] == up[1] ? 1 : 0;
    return same;
}

std::unique_ptr<TShown> ShownCatalogueItem(int item)
{
    TVertexConfiguration config;
    int pick = 0;
    EXPECT_EQ(ParseCodeString(PolyhedronCatalogue()[static_cast<std::size_t>(item / 2)].Code, config, pick).Error, "");
    return Shown(config, item % 2 == 1, false, pick);
}

std::string GlbJson(const std::string& path)
{
    const std::string glb = ReadWholeFile(path);
    if (glb.size() < 20)
        return {};
    const std::size_t length = static_cast<unsigned char>(glb[12]) | static_cast<unsigned char>(glb[13]) << 8
                               | static_cast<unsigned char>(glb[14]) << 16;
    return glb.substr(20, length);
}

double Linear(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

TEST(ExportFormats, EveryFormatWindsTheFacesAlikeOutwardAndConsistentlyAlongTheEdges)
{
    struct TCase {
        const char* Name;
        std::unique_ptr<TShown> Shown;
        bool Orientable;
        bool Encloses;  // winds round a volume (the octahemioctahedron's density is 0; the one-sided
                        // tetrahemihexahedron's triangles cancel)
    };
    TCase cases[] = {
        {"great disdyakisdodecahedron", ShownCatalogueItem(121), true, true},
        {"octahemioctahedron", Shown("(3, 6, 3/2, 6)"), true, false},
        {"tetrahemihexahedron", Shown("(3, 4, 3/2, 4)"), false, false},
        {"great dodecahedron", ShownCatalogueItem(46), true, true},
        {"compound of the icosidodecahedron", Shown("(3, 5, 3, 5)", true, true), true, true},
    };
    for (const TCase& c : cases) {
        const TWoundSurface off = OffSurface(Export(*c.Shown, TExportFormat::Off, "wound.off"));
        const double volume = SignedVolume(off);
        if (c.Encloses) {
            EXPECT_GT(volume, 0.1) << c.Name;
        }
        const int sameWay = EdgesRunTheSameWay(off);
        if (c.Orientable) {
            EXPECT_EQ(sameWay, 0) << c.Name;
        }
        for (const auto& [format, name] :
             {std::pair{TExportFormat::Stl, "wound.stl"}, std::pair{TExportFormat::Obj, "wound.obj"},
              std::pair{TExportFormat::Glb, "wound.glb"}}) {
            const TWoundSurface mesh = ImportedSurface(Export(*c.Shown, format, name), off);
            EXPECT_NEAR(SignedVolume(mesh), volume, 1e-4 * std::max(1.0, volume)) << c.Name << " " << name;
            EXPECT_EQ(EdgesRunTheSameWay(mesh), sameWay) << c.Name << " " << name;
        }
    }
}

TEST(ExportFormats, TheGltfHoldsLinearBaseColoursNamedMeshesAndOnlyExtensionsItUses)
{
    const auto shown = Shown("(3, 5, 3, 5)", true, true);
    const TExportScene scene = shown->Session.DescribeShown(shown->Pick, shown->Settings);
    const std::string path = Export(*shown, TExportFormat::Glb, "linear.glb");
    const std::string json = GlbJson(path);
    EXPECT_EQ(json.find("FB_ngon_encoding"), std::string::npos) << json;
    EXPECT_EQ(json.find("KHR_materials_volume"), std::string::npos) << json;
    const std::regex meshName(R"re("meshes"\s*:\s*\[\s*\{[^\]]*?"name"\s*:\s*"(\w+)")re");
    std::smatch first;
    ASSERT_TRUE(std::regex_search(json, first, meshName)) << json;
    EXPECT_EQ(first[1].str(), "solid");
    EXPECT_NE(json.find("\"name\":\"dual\""), std::string::npos) << json;
    Assimp::Importer importer;
    const aiScene* read = importer.ReadFile(path, 0);
    ASSERT_NE(read, nullptr) << importer.GetErrorString();
    int checked = 0;
    for (unsigned m = 0; m < read->mNumMaterials; ++m) {
        aiString name;
        aiColor4D base;
        read->mMaterials[m]->Get(AI_MATKEY_NAME, name);
        if (read->mMaterials[m]->Get(AI_MATKEY_BASE_COLOR, base) != AI_SUCCESS)
            continue;
        for (const TExportMaterial& material : scene.Materials)
            if (material.Name == name.C_Str()) {
                EXPECT_NEAR(base.r, Linear(RedOf(material.Colour) / 255.0), 1e-6) << material.Name;
                EXPECT_NEAR(base.g, Linear(GreenOf(material.Colour) / 255.0), 1e-6) << material.Name;
                EXPECT_NEAR(base.b, Linear(BlueOf(material.Colour) / 255.0), 1e-6) << material.Name;
                ++checked;
            }
    }
    EXPECT_GE(checked, 3);  // the triangles, the pentagons, the dual's rhombi
}

namespace {

// The colour of each face of the first face shape of a VRML file, as its colour list and
// index give it.
std::vector<std::array<double, 3>> VrmlFaceColours(const std::string& path)
{
    const std::string text = ReadWholeFile(path);
    std::smatch list;
    if (!std::regex_search(text, list, std::regex(R"(color Color \{\s*color \[([^\]]*)\])")))
        return {};
    std::vector<std::array<double, 3>> palette;
    std::istringstream channels(std::regex_replace(list[1].str(), std::regex(","), " "));
    for (std::array<double, 3> c{}; channels >> c[0] >> c[1] >> c[2];)
        palette.push_back(c);
    const std::size_t at = text.find("colorIndex [");
    std::istringstream indices(text.substr(at + 12, text.find(']', at) - at - 12));
    std::vector<std::array<double, 3>> faces;
    for (std::size_t i = 0; indices >> i && i < palette.size();)
        faces.push_back(palette[i]);
    return faces;
}

// The small stellated dodecahedron as the great dodecahedron's dual: each pentagram face
// stored as five triangles round its centre.
constexpr int MultiPieceDualItem = 47;

}  // namespace

TEST(ExportFormats, ADualStoredInPiecesHasTheViewsColourOnEveryFaceInEveryFormat)
{
    const auto shown = ShownCatalogueItem(MultiPieceDualItem);
    const std::vector<std::array<double, 3>> vrml = VrmlFaceColours(Export(*shown, TExportFormat::Vrml, "pieces.wrl"));
    const TOffFile off = ReadOff(Export(*shown, TExportFormat::Off, "pieces.off"));
    ASSERT_EQ(off.Faces.size(), vrml.size());
    std::set<std::array<int, 3>> shownColours;  // the VRML's, to the hundredth it writes
    const auto hundredths = [](double r, double g, double b) {
        return std::array<int, 3>{static_cast<int>(std::lround(100 * r)), static_cast<int>(std::lround(100 * g)),
                                  static_cast<int>(std::lround(100 * b))};
    };
    for (std::size_t f = 0; f < off.Faces.size(); ++f) {
        ASSERT_EQ(off.Colours[f].size(), 4u);
        EXPECT_EQ(hundredths(off.Colours[f][0], off.Colours[f][1], off.Colours[f][2]),
                  hundredths(vrml[f][0], vrml[f][1], vrml[f][2]))
            << "face " << f;
        shownColours.insert(hundredths(vrml[f][0], vrml[f][1], vrml[f][2]));
    }
    for (const auto& [format, name] :
         {std::pair{TExportFormat::Obj, "pieces.obj"}, std::pair{TExportFormat::Glb, "pieces.glb"}}) {
        Assimp::Importer importer;
        const aiScene* read = importer.ReadFile(Export(*shown, format, name), 0);
        ASSERT_NE(read, nullptr) << importer.GetErrorString();
        std::set<std::array<int, 3>> written;
        for (unsigned m = 0; m < read->mNumMeshes; ++m) {
            const aiMaterial& material = *read->mMaterials[read->mMeshes[m]->mMaterialIndex];
            aiColor4D c;
            if (format == TExportFormat::Glb) {
                ASSERT_EQ(material.Get(AI_MATKEY_BASE_COLOR, c), AI_SUCCESS);
                // Back from linear light to the sRGB fraction the view shows.
                const auto encode = [](double x) {
                    return x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1.0 / 2.4) - 0.055;
                };
                c = aiColor4D(static_cast<float>(encode(c.r)), static_cast<float>(encode(c.g)),
                              static_cast<float>(encode(c.b)), 1.0f);
            } else {
                ASSERT_EQ(material.Get(AI_MATKEY_COLOR_DIFFUSE, c), AI_SUCCESS);
            }
            written.insert(hundredths(c.r, c.g, c.b));
        }
        EXPECT_EQ(written, shownColours) << name;
    }
}
