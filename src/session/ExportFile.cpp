// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ExportFile.h"

#include "common/CarefulWrite.h"
#include "construction/Dual.h"
#include "export/OffWriter.h"
#include "export/PngFile.h"
#include "export/PolyhedronVRML.h"
#include "export/PrintModel.h"
#include "export/StrutModel.h"
#include "export/ThreeMf.h"
#include "surface/ImageSurface.h"
#include "view/FrameDrawing.h"

#include <algorithm>
#include <cctype>

namespace {

struct TFormatName {
    const char* Name;
    TExportFormat Format;
};

constexpr TFormatName FormatNames[] = {
    {"wrl", TExportFormat::Vrml}, {"off", TExportFormat::Off}, {"obj", TExportFormat::Obj},
    {"stl", TExportFormat::Stl},  {"glb", TExportFormat::Glb}, {"png", TExportFormat::Png},
};

std::string Lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The file name's extension in lower case, without its dot; empty for none.
std::string LoweredExtension(const std::string& path)
{
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return Lowered(path.substr(dot + 1));
}

TResult PictureBytes(const TBuildSession& session, int sel, const TDisplaySettings& settings,
                     const TPictureSettings& picture, std::string& bytes)
{
    if (picture.Width < 1 || picture.Height < 1 || picture.Width > MaxPictureSide || picture.Height > MaxPictureSide)
        return TResult::Failure("the picture must be 1 ... " + std::to_string(MaxPictureSide) + " pixels each way");
    TImageSurface surface(picture.Width, picture.Height);
    session.Draw(sel, TDrawTarget{surface, settings, picture.ViewMatrix});
    return EncodePng(picture.Width, picture.Height, surface.Pixels(), bytes);
}

}  // namespace

std::optional<TExportFormat> ExportFormatFromName(const std::string& name)
{
    for (const TFormatName& entry : FormatNames)
        if (name == entry.Name)
            return entry.Format;
    return std::nullopt;
}

std::optional<TExportFormat> ExportFormatFromPath(const std::string& path)
{
    const std::string extension = LoweredExtension(path);
    if (extension == "vrml")
        return TExportFormat::Vrml;
    return ExportFormatFromName(extension);
}

std::optional<TPrintFormat> PrintFormatFromPath(const std::string& path)
{
    const std::string extension = LoweredExtension(path);
    if (extension == "stl")
        return TPrintFormat::Stl;
    if (extension == "3mf")
        return TPrintFormat::ThreeMf;
    return std::nullopt;
}

const char* ExportFormatName(TExportFormat format)
{
    for (const TFormatName& entry : FormatNames)
        if (entry.Format == format)
            return entry.Name;
    return "";
}

TResult ExportShownBytes(const TBuildSession& session, int sel, const TDisplaySettings& settings, TExportFormat format,
                         const std::string& path, const TPictureSettings& picture, std::vector<TOutputFile>& files)
{
    files.clear();
    const TBuiltSolid* solid = session.SolidAt(sel);
    if (solid == nullptr || solid->Raw.VertexCount == 0)
        return TResult::Failure("nothing to write: list position " + std::to_string(sel) + " holds no solid");
    if (format == TExportFormat::Vrml) {
        files.push_back(TOutputFile{path, VrmlFileText(session.ExportShown(sel, settings))});
        return TResult::Success();
    }
    if (format == TExportFormat::Png) {
        TOutputFile file{path, {}};
        TResult result = PictureBytes(session, sel, settings, picture, file.Bytes);
        if (!result.Failed())
            files.push_back(std::move(file));
        return result;
    }
    const TExportScene scene = session.DescribeShown(sel, settings);
    if (scene.Empty())
        return TResult::Failure(
            "nothing to write: what is shown has no face (a dual with points at infinity is not formed)");
    if (format == TExportFormat::Off) {
        files.push_back(TOutputFile{path, OffText(scene)});
        return TResult::Success();
    }
    const TMeshFormat mesh = format == TExportFormat::Obj   ? TMeshFormat::Obj
                             : format == TExportFormat::Stl ? TMeshFormat::Stl
                                                            : TMeshFormat::Glb;
    return MeshFiles(scene, mesh, path, files);
}

namespace {

// The faces of what settings show of the solid: itself, its dual, or the compound of both.
TResult ShownFaces(const TBuiltSolid& solid, const TDisplaySettings& settings, std::vector<TSurfaceFace>& faces,
                   const std::string& model)
{
    if (!settings.DualShown && !settings.CompoundShown) {
        faces = SolidSurfaceFaces(solid);
        return TResult::Success();
    }
    if (DualReachesInfinity(solid))
        return TResult::Failure("no " + model
                                + ": the dual has poles at infinity (a face passes through the centre), so it "
                                  "encloses nothing that can be held");
    TDualSolid dual;
    TNullPane pane;
    if (FormDual(solid.Raw, *solid.Geometry, dual, pane))
        return TResult::Failure("no " + model + ": the dual cannot be formed");
    faces = settings.CompoundShown ? CompoundSurfaceFaces(solid, dual) : DualSurfaceFaces(dual);
    return TResult::Success();
}

}  // namespace

TResult ShownOuterSurface(const TBuildSession& session, int sel, const TDisplaySettings& settings,
                          TOuterSurface& surface, const std::string& model)
{
    const TBuiltSolid* solid = session.SolidAt(sel);
    if (solid == nullptr || solid->Raw.VertexCount == 0)
        return TResult::Failure("nothing to write: list position " + std::to_string(sel) + " holds no solid");
    std::vector<TSurfaceFace> faces;
    if (TResult shown = ShownFaces(*solid, settings, faces, model); shown.Failed())
        return shown;
    if (TResult formed = FormOuterSurface(std::move(faces), surface); formed.Failed())
        return TResult::Failure("no " + model + ": " + formed.Error);
    if (surface.Empty())
        return TResult::Failure("no " + model + ": the faces enclose nothing");
    return TResult::Success();
}

TPrintResult ExportPrintPicture(const TBuildSession& session, int sel, const std::string& path,
                                const TPictureSettings& picture, const TDisplaySettings& settings)
{
    TPrintResult result;
    TOuterSurface surface;
    if (TResult formed = ShownOuterSurface(session, sel, settings, surface); formed.Failed()) {
        result.Error = std::move(formed.Error);
        return result;
    }
    if (picture.Width < 1 || picture.Height < 1 || picture.Width > MaxPictureSide || picture.Height > MaxPictureSide) {
        result.Error = "the picture must be 1 ... " + std::to_string(MaxPictureSide) + " pixels each way";
        return result;
    }
    // A dual or a compound can reach out past the solid's sphere, which the view fits: drawn
    // shrunk to it.
    const double sphere = session.SolidAt(sel)->Geometry->SphereRadius;
    double reach = sphere;
    for (const TVector3& p : surface.Points)
        reach = std::max(reach, VectorLength(p));
    TOuterSurface fitted = surface;
    for (TVector3& p : fitted.Points)
        p = ScaleVector(p, sphere / reach);
    const TBuiltSolid model = OuterSurfaceSolid(fitted, *session.SolidAt(sel));
    TImageSurface image(picture.Width, picture.Height);
    const TDualSolid noDual;
    const TPolyFace noCompound;
    TDisplaySettings drawn = settings;
    drawn.DualShown = drawn.CompoundShown = false;
    DrawFrame(TFrameContent{&model, noDual, noCompound, sphere}, TDrawTarget{image, drawn, picture.ViewMatrix});
    std::string bytes;
    if (TResult encoded = EncodePng(picture.Width, picture.Height, image.Pixels(), bytes); encoded.Failed()) {
        result.Error = std::move(encoded.Error);
        return result;
    }
    if (TResult written = WriteFileCarefully(path, bytes); written.Failed()) {
        result.Error = std::move(written.Error);
        return result;
    }
    result.Triangles = static_cast<int>(surface.Triangles.size());
    result.PinchPoints = surface.PinchPoints;
    result.VolumeMm3 = surface.Volume;
    return result;
}

namespace {

// The placed model written carefully to path, as 3MF or STL by its name.
TPrintResult WritePrintModel(const TPrintModel& model, const std::string& path, const TDisplaySettings& settings)
{
    TPrintResult result;
    std::string bytes;
    TResult made = TResult::Success();
    if (PrintFormatFromPath(path) == TPrintFormat::ThreeMf)
        made = ThreeMfBytes(model, settings, bytes);
    else
        bytes = BinaryStl(model);
    if (made.Failed()) {
        result.Error = std::move(made.Error);
        return result;
    }
    if (TResult written = WriteFileCarefully(path, bytes); written.Failed()) {
        result.Error = std::move(written.Error);
        return result;
    }
    result.Triangles = static_cast<int>(model.Surface.Triangles.size());
    result.PinchPoints = model.Surface.PinchPoints;
    result.BaseAreaMm2 = model.BaseAreaMm2;
    result.VolumeMm3 = model.Surface.Volume;
    return result;
}

}  // namespace

TPrintResult ExportPrintFile(const TBuildSession& session, int sel, const std::string& path, double heightMm,
                             const TDisplaySettings& settings)
{
    TOuterSurface surface;
    if (TResult formed = ShownOuterSurface(session, sel, settings, surface); formed.Failed()) {
        TPrintResult result;
        result.Error = std::move(formed.Error);
        return result;
    }
    return WritePrintModel(PlaceForPrinting(surface, heightMm), path, settings);
}

TPrintResult ExportStrutFile(const TBuildSession& session, int sel, const std::string& path, double heightMm,
                             double rodMm, const TDisplaySettings& settings)
{
    TPrintResult result;
    const TBuiltSolid* solid = session.SolidAt(sel);
    if (solid == nullptr || solid->Raw.VertexCount == 0) {
        result.Error = "nothing to write: list position " + std::to_string(sel) + " holds no solid";
        return result;
    }
    TPrintModel model;
    if (TResult made = StrutModel(*solid, heightMm, rodMm, model); made.Failed()) {
        result.Error = "no ball-and-stick model: " + made.Error;
        return result;
    }
    return WritePrintModel(model, path, settings);
}

TExportResult ExportShownFile(const TBuildSession& session, int sel, const TDisplaySettings& settings,
                              TExportFormat format, const std::string& path, const TPictureSettings& picture)
{
    TExportResult result;
    std::vector<TOutputFile> files;
    result.Error = ExportShownBytes(session, sel, settings, format, path, picture, files).Error;
    for (const TOutputFile& file : files) {
        if (result.Failed())
            break;
        TResult written = WriteFileCarefully(file.Path, file.Bytes);
        if (written.Failed()) {
            result.Error = std::move(written.Error);
            result.FailedPath = file.Path;
        } else {
            result.Written.push_back(file.Path);
        }
    }
    return result;
}
