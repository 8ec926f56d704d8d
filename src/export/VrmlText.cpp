// The text forms of the VRML writer, and the careful save.

#include "common/NumberFormat.h"
#include "export/PolyhedronVRML.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

std::string CoordinateText(double x)
{
    if (!std::isfinite(x))
        x = 0.0;  // never reached by a built solid; keeps the file readable all the same
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.7E", x + 0.0);  // + 0.0 turns -0 into 0
    // C writes at least two exponent digits; the file wants at least three.
    char* e = std::strchr(buffer, 'E');
    const int exponent = std::atoi(e + 1);
    std::snprintf(e, sizeof buffer - static_cast<std::size_t>(e - buffer), "E%c%03d", exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return buffer;
}

std::string ColourText(TColour colour)
{
    const auto channel = [](int value) {
        return FormatGeneral(std::trunc(value / 255.0 * 100.0 + 0.5) / 100.0);
    };
    return channel(RedOf(colour)) + " " + channel(GreenOf(colour)) + " " + channel(BlueOf(colour));
}

std::string SaveLines(const std::string& path, const std::vector<std::string>& lines)
{
    // A unique temporary name in the same directory, so that the rename cannot cross devices.
    std::string temporary = path + ".XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0)
        return std::strerror(errno);
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);  // as an ordinary new file, not mkstemp's 0600
    FILE* file = fdopen(descriptor, "wb");
    if (file == nullptr) {
        const int error = errno;
        close(descriptor);
        std::remove(temporary.c_str());
        return std::strerror(error);
    }
    int error = 0;
    for (const std::string& line : lines) {
        if (std::fwrite(line.data(), 1, line.size(), file) != line.size() || std::fwrite("\r\n", 1, 2, file) != 2) {
            error = errno != 0 ? errno : EIO;
            break;
        }
    }
    if (std::fclose(file) != 0 && error == 0)
        error = errno != 0 ? errno : EIO;
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        std::remove(temporary.c_str());
        return std::strerror(error);
    }
    return "";
}
