// iob_generate: writes a large, well-formed IOB file for the benchmark.
//
//   iob_generate [--profile realistic|fixed] MEGABYTES FILE
//
// The file holds a title, an ellipsoid and a custom unit, then stations
// (short and long layout, PLH and PLO), then GPS vector groups between
// those stations, each with a GRP record, usually a COV record, and ELEM
// covariance, then END. Lines end in CR LF. The same size and profile
// always give the same file. On success it prints
// "stations=S vectors=V groups=G bytes=B".
//
// realistic (the default): as baseline processors write them: groups of 1
//   to 6 vectors with full upper triangles in exponent notation of 10 or 11
//   significant digits ("3.0055316169e-05", "-1.6325567033E-05", some with
//   D), about 70 % of the records ELEM; DXYZ in both layouts, in metres
//   and feet; a few more TITL and 3DD records; stations 15 % of the bytes.
// fixed: stations a quarter of the bytes, groups of 1 to 4 vectors with
//   full or diagonal covariance in short fixed-point numbers ("%.6E").
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

// mingw-w64's C++ library prints with its own, C99 printf (so %zu works);
// its format checks must know that.
#ifdef __MINGW32__
#define IOB_PRINTF_FORMAT(formatIndex, firstArgument) __attribute__((format(gnu_printf, formatIndex, firstArgument)))
#else
#define IOB_PRINTF_FORMAT(formatIndex, firstArgument) __attribute__((format(printf, formatIndex, firstArgument)))
#endif

namespace {

enum class Profile { kRealistic, kFixed };

struct Station {
    std::string name;
    bool longName;
};

class IobWriter {
public:
    explicit IobWriter(std::FILE* file) : file_(file) {}

    // Writes one record; `format` has no line end, the CR LF is added here.
    // The attribute lets the compiler check every format against its arguments.
    IOB_PRINTF_FORMAT(2, 3) void Line(const char* format, ...) {
        char text[256];
        std::va_list args;
        va_start(args, format);
        int length = std::vsnprintf(text, sizeof text - 2, format, args);
        va_end(args);
        text[length++] = '\r';
        text[length++] = '\n';
        std::fwrite(text, 1, static_cast<std::size_t>(length), file_);
        bytes_ += static_cast<std::size_t>(length);
    }

    std::size_t Bytes() const { return bytes_; }

private:
    std::FILE* file_;
    std::size_t bytes_ = 0;
};

class Generator {
public:
    Generator(IobWriter& out, std::size_t targetBytes, Profile profile)
        : out_(out), target_(targetBytes), profile_(profile) {}

    void Run() {
        out_.Line("! Benchmark network, %zu bytes", target_);
        out_.Line(" TITL Benchmark control network");
        out_.Line(" ELIP GRS 1980           6378137.000  6356752.3141");
        out_.Line(" LUNT us 0.3048006096");
        const double stationShare = profile_ == Profile::kRealistic ? 0.15 : 0.25;  // of the file's bytes
        while (static_cast<double>(out_.Bytes()) < static_cast<double>(target_) * stationShare ||
               stations_.size() < 2) {
            WriteStation();
        }
        while (out_.Bytes() < target_) {
            if (profile_ == Profile::kRealistic) {
                WriteRealisticGroup();
            } else {
                WriteGroup();
            }
        }
        out_.Line(" END");
    }

    void PrintCounts() const {
        std::printf("stations=%zu vectors=%zu groups=%zu bytes=%zu\n", stations_.size(), vectors_, groups_,
                    out_.Bytes());
    }

private:
    double Uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    bool Chance(double p) { return Uniform(0.0, 1.0) < p; }

    void WriteStation() {
        std::size_t number = stations_.size() + 1;
        bool longName = Chance(0.3);
        char name[40];
        if (longName) {
            // Written cut to 15 bytes: the number must stand within them,
            // or every long name would be written as the same station.
            std::snprintf(name, sizeof name, "MONUMENT %06zu CONTROL", number);
        } else {
            std::snprintf(name, sizeof name, "BM-%06zu", number);
        }
        stations_.push_back({name, longName});

        const char* type = Chance(0.5) ? "PLH " : "PLO ";
        char latHemisphere = Chance(0.8) ? 'N' : 'S';
        char lonHemisphere = Chance(0.6) ? 'W' : 'E';
        int latDegrees = Between(0, 89), lonDegrees = Between(0, 179);
        int latMinutes = Between(0, 59), lonMinutes = Between(0, 59);
        double latSeconds = Uniform(0.0, 59.999999), lonSeconds = Uniform(0.0, 59.999999);
        double height = Uniform(-50.0, 2500.0);
        const char* unit = Chance(0.9) ? "m" : "ft";
        if (longName) {
            out_.Line(" %s    *%-31s %c%3d %02d %9.6f %c%3d %02d %9.6f %12.3f %s", type, name, latHemisphere,
                      latDegrees, latMinutes, latSeconds, lonHemisphere, lonDegrees, lonMinutes, lonSeconds, height,
                      unit);
        } else {
            out_.Line(" %s     %-12s %c%3d %02d %9.6f %c%3d %02d %9.6f %12.3f %s", type, name, latHemisphere,
                      latDegrees, latMinutes, latSeconds, lonHemisphere, lonDegrees, lonMinutes, lonSeconds, height,
                      unit);
        }
    }

    void WriteVector(const char* unit = "m") {
        const Station& from = stations_[random_() % stations_.size()];
        const Station& to = stations_[random_() % stations_.size()];
        double dX = Uniform(-30000.0, 30000.0), dY = Uniform(-30000.0, 30000.0), dZ = Uniform(-5000.0, 5000.0);
        if (from.longName || to.longName) {
            out_.Line(" DXYZ    *%-31s %-31s %13.4f %13.4f %13.4f %s", from.name.c_str(), to.name.c_str(), dX, dY, dZ,
                      unit);
        } else {
            out_.Line(" DXYZ     %-12s %-12s %13.4f %13.4f %13.4f %s", from.name.c_str(), to.name.c_str(), dX, dY, dZ,
                      unit);
        }
        ++vectors_;
    }

    // An element in exponent notation with 10 or 11 significant digits, its
    // exponent letter e, E or now and then D.
    std::string ExponentText(double value) {
        char text[32];
        const int decimals = Chance(0.5) ? 10 : 9;
        const int letter = Between(0, 9);
        std::snprintf(text, sizeof text, letter < 5 ? "%.*e" : "%.*E", decimals, value);
        if (letter == 9) *std::strchr(text, 'E') = 'D';
        return text;
    }

    void WriteRealisticGroup() {
        int vectors = Between(1, 6);
        if (Chance(0.02)) out_.Line(" TITL Session %zu", groups_ + 1);
        out_.Line(Chance(0.8) ? " GRP  %zu" : " 3DD  %zu", groups_ + 1);
        out_.Line(" COV  CT      %10s %10.1f %10s %10s %10.1f%23sm", "", Uniform(1.0, 3.0), "0.000001", "",
                  Uniform(0.5, 2.0), "");
        const char* unit = Chance(0.8) ? "m" : "ft";
        for (int i = 0; i < vectors; ++i) WriteVector(unit);
        std::vector<double> values = Elements(vectors, false);
        for (std::size_t i = 0; i < values.size(); i += 3) {
            std::string fields[3];
            for (std::size_t j = 0; j < 3 && i + j < values.size(); ++j) fields[j] = ExponentText(values[i + j]);
            out_.Line(" ELEM %23s %23s %23s m", fields[0].c_str(), fields[1].c_str(), fields[2].c_str());
        }
        ++groups_;
    }

    // The upper triangle of the group's matrix row by row (or its diagonal):
    // variances of a few millimetres squared, covariances that keep each
    // 3 x 3 block positive definite, small couplings between vectors.
    std::vector<double> Elements(int vectors, bool diagonal) {
        int n = 3 * vectors;
        std::vector<double> sigma(static_cast<std::size_t>(n));
        for (double& s : sigma) s = Uniform(0.001, 0.01);
        std::vector<double> values;
        for (int row = 0; row < n; ++row) {
            double rowSigma = sigma[static_cast<std::size_t>(row)];
            if (diagonal) {
                values.push_back(rowSigma * rowSigma);
                continue;
            }
            for (int column = row; column < n; ++column) {
                bool sameVector = row / 3 == column / 3;
                double correlation = row == column ? 1.0 : sameVector ? Uniform(-0.4, 0.4) : Uniform(-0.05, 0.05);
                values.push_back(rowSigma * sigma[static_cast<std::size_t>(column)] * correlation);
            }
        }
        return values;
    }

    void WriteGroup() {
        int vectors = Between(1, 4);
        bool diagonal = Chance(0.3);
        out_.Line(" GRP  %zu", groups_ + 1);
        if (diagonal) {
            out_.Line(" COV  CT DIAG %10s %10s %10s %10s %10.1f%23sm", "", "1.5", "", "", 1.0, "");
        } else if (Chance(0.8)) {
            out_.Line(" COV  CT      %10s %10.1f %10s %10s %10.1f%23sm", "", Uniform(1.0, 3.0), "0.000001", "",
                      Uniform(0.5, 2.0), "");
        }
        for (int i = 0; i < vectors; ++i) WriteVector();
        std::vector<double> values = Elements(vectors, diagonal);
        for (std::size_t i = 0; i < values.size(); i += 3) {
            char fields[3][24] = {"", "", ""};
            for (std::size_t j = 0; j < 3 && i + j < values.size(); ++j) {
                std::snprintf(fields[j], sizeof fields[j], "%.6E", values[i + j]);
            }
            out_.Line(" ELEM %23s %23s %23s m", fields[0], fields[1], fields[2]);
        }
        ++groups_;
    }

    IobWriter& out_;
    std::size_t target_;
    Profile profile_;
    std::mt19937_64 random_{20260401};
    std::vector<Station> stations_;
    std::size_t vectors_ = 0;
    std::size_t groups_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    Profile profile = Profile::kRealistic;
    if (argc == 5 && std::strcmp(argv[1], "--profile") == 0) {
        if (std::strcmp(argv[2], "fixed") == 0) {
            profile = Profile::kFixed;
        } else if (std::strcmp(argv[2], "realistic") != 0) {
            argc = 0;  // an unknown profile is wrong usage
        }
        argv += 2;
        argc -= 2;
    }
    char* end = nullptr;
    double megabytes = argc == 3 ? std::strtod(argv[1], &end) : 0.0;
    if (argc != 3 || *end != '\0' || !(megabytes > 0.0)) {
        std::fprintf(stderr, "Usage: iob_generate [--profile realistic|fixed] MEGABYTES FILE\n");
        return 2;
    }
    std::FILE* file = std::fopen(argv[2], "wb");
    if (file == nullptr) {
        std::perror(argv[2]);
        return 1;
    }
    IobWriter writer(file);
    Generator generator(writer, static_cast<std::size_t>(megabytes * 1e6), profile);
    generator.Run();
    if (std::fclose(file) != 0) {
        std::perror(argv[2]);
        return 1;
    }
    generator.PrintCounts();
    return 0;
}
