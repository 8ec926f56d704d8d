// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing what is shown to a file in any of the formats Zenkari offers: VRML 2.0, OFF,
// OBJ (with its MTL), binary STL, binary glTF and a PNG picture of the view; and the outer
// surface for a 3-D printer, as binary STL or 3MF. Each file is written carefully: an
// existing file is replaced only once the new one is complete.

#include "export/MeshWriters.h"
#include "session/BuildSession.h"
#include "solid/OuterSurface.h"

#include <optional>
#include <string>
#include <vector>

enum class TExportFormat { Vrml, Off, Obj, Stl, Glb, Png };

// "wrl", "off", "obj", "stl", "glb", "png" (as --format takes them); nothing for another name.
[[nodiscard]] std::optional<TExportFormat> ExportFormatFromName(const std::string& name);
// From the file name's extension (any case; ".vrml" and ".gltf"-less): nothing when it names none.
[[nodiscard]] std::optional<TExportFormat> ExportFormatFromPath(const std::string& path);
[[nodiscard]] const char* ExportFormatName(TExportFormat format);

// The largest side of a picture: 4096 × 4096 takes about 130 MB while it is drawn.
inline constexpr int MaxPictureSide = 4096;

// How the picture is taken: the view's turn and its size in pixels.
struct TPictureSettings {
    TMatrix3 ViewMatrix{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    int Width = 417;
    int Height = 436;
};

struct [[nodiscard]] TExportResult {
    std::string Error;                 // empty when every file was written
    std::string FailedPath;            // the file the error is about, when one is
    std::vector<std::string> Written;  // the files written, in order

    [[nodiscard]] bool Failed() const { return !Error.empty(); }
};

// What a printable model says of itself once written.
struct [[nodiscard]] TPrintResult {
    std::string Error;  // empty when the file was written
    int Triangles = 0;
    int PinchPoints = 0;       // points split so that each sheet of a pinch is a manifold of its own
    double BaseAreaMm2 = 0.0;  // of the facet it rests on; 0 when it rests on points
    double VolumeMm3 = 0.0;

    [[nodiscard]] bool Failed() const { return !Error.empty(); }
};

// The two files a printable model is written as.
enum class TPrintFormat { Stl, ThreeMf };
// From the file name's extension, ".stl" or ".3mf" in any case: nothing when it names neither.
[[nodiscard]] std::optional<TPrintFormat> PrintFormatFromPath(const std::string& path);

// The outer surface of what settings show of list position sel's solid (itself, its dual or
// the compound of both), or the reason there is none, naming the model it was wanted for.
[[nodiscard]] TResult ShownOuterSurface(const TBuildSession& session, int sel, const TDisplaySettings& settings,
                                        TOuterSurface& surface, const std::string& model = "printable model");

// The outer surface of what settings show of list position sel's solid (itself, its dual or
// the compound of both; a dual with poles at infinity is refused) for a 3-D printer, in millimetres,
// heightMm tall, resting on a largest outer facet at z = 0, centred on x = y = 0; written
// carefully to path as 3MF when its name ends in ".3mf" (any case), each triangle with the
// base material of the colour its face shows in the view with settings, else as binary STL.
[[nodiscard]] TPrintResult ExportPrintFile(const TBuildSession& session, int sel, const std::string& path,
                                           double heightMm,
                                           const TDisplaySettings& settings = FirstStartDisplaySettings());

// A ball-and-stick model of list position sel's solid (every edge a rod rodMm thick, every
// vertex a ball 1.6 times as thick, one closed manifold standing on flattened balls at
// z = 0), heightMm tall, written as ExportPrintFile writes.
[[nodiscard]] TPrintResult ExportStrutFile(const TBuildSession& session, int sel, const std::string& path,
                                           double heightMm, double rodMm,
                                           const TDisplaySettings& settings = FirstStartDisplaySettings());

// A picture of that outer surface (what the printer would make), drawn as the view draws a
// solid with settings' colours, written carefully to path as PNG.
[[nodiscard]] TPrintResult ExportPrintPicture(const TBuildSession& session, int sel, const std::string& path,
                                              const TPictureSettings& picture,
                                              const TDisplaySettings& settings = FirstStartDisplaySettings());

// The bytes of each file list position sel (0: the solid under construction) gives in
// format, shown as settings say; the one named path last. None, with the reason, when there
// is nothing to write.
[[nodiscard]] TResult ExportShownBytes(const TBuildSession& session, int sel, const TDisplaySettings& settings,
                                       TExportFormat format, const std::string& path, const TPictureSettings& picture,
                                       std::vector<TOutputFile>& files);
// ExportShownBytes, then each file written carefully; stops at the first that fails.
[[nodiscard]] TExportResult ExportShownFile(const TBuildSession& session, int sel, const TDisplaySettings& settings,
                                            TExportFormat format, const std::string& path,
                                            const TPictureSettings& picture);
