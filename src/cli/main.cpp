// SPDX-License-Identifier: GPL-3.0-or-later
// zenkari-cli: the construction engine from the command line.

#include "catalogue/PolyhedronInfo.h"
#include "cli/CliBuild.h"
#include "cli/CliNet.h"
#include "cli/CliSurveyMpi.h"
#include "cli/StandardOutput.h"
#include "export/PolyhedronVRML.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

namespace {

int WriteVrmlFile(const TCliRequest& request, const TBuildSession& session)
{
    const std::vector<std::string> lines = session.ExportShown(request.Pick, request.Display);
    if (lines.empty()) {
        std::cerr << "zenkari-cli: nothing to write: list position " << request.Pick << " holds no solid\n";
        return 1;
    }
    if (request.OutputFile == "-") {
        std::cout << VrmlFileText(lines);
        return 0;  // checked with every other write to standard output, at the end
    }
    if (const TResult saved = SaveLines(request.OutputFile, lines); saved.Failed()) {
        std::cerr << "zenkari-cli: cannot write " << QuotedInput(request.OutputFile) << ": " << saved.Error << '\n';
        return 1;
    }
    std::cout << "wrote " << lines.size() << " lines to " << request.OutputFile << '\n';
    return 0;
}

// Four significant digits, as a message shows a size.
std::string Short(double x)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", x);
    return text;
}

int WritePrintFile(const TCliRequest& request, const TBuildSession& session)
{
    TPictureSettings picture;
    picture.Width = request.PictureWidth;
    picture.Height = request.PictureHeight;
    if (request.Format == TExportFormat::Png) {
        const TPrintResult shown =
            ExportPrintPicture(session, request.Pick, request.OutputFile, picture, request.Display);
        if (shown.Failed()) {
            std::cerr << "zenkari-cli: cannot write " << QuotedInput(request.OutputFile) << ": " << shown.Error << '\n';
            return 1;
        }
        std::cout << "wrote " << request.OutputFile << ": a picture of the outer surface, " << shown.Triangles
                  << " triangles\n";
        return 0;
    }
    const TPrintResult result =
        request.Struts ? ExportStrutFile(session, request.Pick, request.OutputFile, request.HeightMm, request.StrutMm,
                                         request.Display)
                       : ExportPrintFile(session, request.Pick, request.OutputFile, request.HeightMm, request.Display);
    if (result.Failed()) {
        std::cerr << "zenkari-cli: cannot write " << QuotedInput(request.OutputFile) << ": " << result.Error << '\n';
        return 1;
    }
    if (request.Struts) {
        std::cout << "wrote " << request.OutputFile << ": a ball-and-stick model of " << result.Triangles
                  << " triangles, " << request.HeightMm << " mm tall, rods " << request.StrutMm << " mm, "
                  << Short(result.VolumeMm3 / 1000.0) << " cm3, standing on its lowest balls\n";
        return 0;
    }
    std::cout << "wrote " << request.OutputFile << ": " << result.Triangles << " triangles, " << request.HeightMm
              << " mm tall, " << Short(result.VolumeMm3 / 1000.0) << " cm3, resting on "
              << (result.BaseAreaMm2 > 0.0 ? "a facet of " + Short(result.BaseAreaMm2) + " mm2"
                                           : std::string("three of its outermost points"))
              << '\n';
    if (result.PinchPoints > 0)
        std::cout << "the enclosed region pinches: " << result.PinchPoints
                  << " points are doubled so that each sheet is a closed manifold of its own\n";
    return 0;
}

int WriteExportFile(const TCliRequest& request, const TBuildSession& session)
{
    if (request.Print)
        return WritePrintFile(request, session);
    TPictureSettings picture;
    picture.Width = request.PictureWidth;
    picture.Height = request.PictureHeight;
    if (request.OutputFile == "-") {
        std::vector<TOutputFile> files;
        const TResult made =
            ExportShownBytes(session, request.Pick, request.Display, request.Format, "-", picture, files);
        if (made.Failed()) {
            std::cerr << "zenkari-cli: " << made.Error << '\n';
            return 1;
        }
        for (const TOutputFile& file : files)
            std::cout << file.Bytes;
        return 0;  // checked with every other write to standard output, at the end
    }
    const TExportResult result =
        ExportShownFile(session, request.Pick, request.Display, request.Format, request.OutputFile, picture);
    if (result.Failed()) {
        if (result.FailedPath.empty())
            std::cerr << "zenkari-cli: " << result.Error << '\n';
        else
            std::cerr << "zenkari-cli: cannot write " << QuotedInput(result.FailedPath) << ": " << result.Error << '\n';
        return 1;
    }
    for (const std::string& path : result.Written)
        std::cout << "wrote " << path << '\n';
    return 0;
}

void ListCatalogue(bool english)
{
    for (int item = 0; item < CatalogueItemCount; ++item)
        std::cout << item << '\t' << CatalogueItemName(item, english) << '\n';
}

int Run(const TCliRequest& request)
{
    if (request.Command == TCliCommand::Survey)
        return LaunchedByMpirun() ? RunSurveyUnderMpi(request.Survey) : RunSurvey(request.Survey);
    if (request.Command == TCliCommand::Catalogue && request.CatalogueItem < 0) {
        ListCatalogue(request.English || request.Language == TLanguage::English);
        return 0;
    }
    TBuildSession session;
    TLinePane pane;
    TBuildReport report;
    const bool refused = BuildAndShow(request, session, pane, report);
    if (request.Command == TCliCommand::Vrml && !refused)
        return WriteVrmlFile(request, session);
    if (request.Command == TCliCommand::Export && !refused)
        return WriteExportFile(request, session);
    if (request.Command == TCliCommand::Net && !refused)
        return WriteNetFile(request, session);
    if (request.Json)
        WriteJsonReport(report, std::cout);
    else
        WriteTextReport(report, std::cout);
    return refused ? 1 : 0;
}

// Whatever was written to standard output must have arrived: a full disk, a closed
// stream or a broken pipe is a failure, reported once, with the reason the first failed
// write was given.
int FinishOutput(int status, bool stdoutClosed, TStandardOutput& output)
{
    std::cout.flush();
    const int error = stdoutClosed ? EBADF : output.Finish();
    if (error == 0)
        return status;
    std::cerr << "zenkari-cli: cannot write to standard output: " << std::strerror(error) << '\n';
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    // A closed standard stream is held by /dev/null, so that no file this program opens
    // takes its number and receives what was meant for the stream.
    bool closed[3] = {};
    for (int fd = 0; fd < 3; ++fd) {
        closed[fd] = fcntl(fd, F_GETFD) < 0 && errno == EBADF;
        if (closed[fd] && open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY) != fd)
            return 1;
    }
    TStandardOutput output;
    // Standard output's own buffer is put back before ours goes, for the flush at exit.
    const std::unique_ptr<std::streambuf, void (*)(std::streambuf*)> restore(
        std::cout.rdbuf(&output), [](std::streambuf* own) { std::cout.rdbuf(own); });
    TCliRequest request;
    if (const TResult parsed = ParseCommandLine(argc - 1, argv + 1, request); parsed.Failed()) {
        std::cerr << "zenkari-cli: " << parsed.Error << '\n';
        return 2;
    }
    SetLanguage(request.Language);
    if (request.Help) {
        std::cout << UsageText();
        return FinishOutput(0, closed[1], output);
    }
    return FinishOutput(Run(request), closed[1], output);
}
