#pragma once

#include <QString>

#include <array>

// A paper format of the new-sheet dialog's list, with its portrait size in pixels.
struct PaperFormat {
    const char *text;
    int width;
    int height;
};

// The formats in list order. The list's last item, "Fit", follows them: it takes the drawing
// area's size and has no entry here.
inline constexpr std::array<PaperFormat, 11> kPaperFormats{{
    {"A0       2380x3368", 2380, 3368},
    {"A1       1684x2380", 1684, 2380},
    {"A2       1190x1684", 1190, 1684},
    {"A3       842x1190", 842, 1190},
    {"A4       595x842", 595, 842},
    {"A5       421x595", 421, 595},
    {"A6       297x421", 297, 421},
    {"B5       501x709", 501, 709},
    {"Letter (8.5\"x11\")        612x792", 612, 792},
    {"Legal (8.5\"x14\")        612x1008", 612, 1008},
    {"Ledger (17\"x11\")      792x1224", 792, 1224},
}};

inline constexpr int kFitFormatIndex = static_cast<int>(kPaperFormats.size());
inline constexpr int kDefaultFormatIndex = 4; // A4
