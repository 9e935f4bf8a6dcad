#pragma once

#include "cli/CommandLine.h"
#include "model/SchemeFile.h"
#include "toolkit/VectorPicture.h"

#include <QStringList>
#include <QTextStream>

#include <future>
#include <optional>

// The command-line tool: renders and checks scheme files with the editor's own reader, drawing
// and bitmap writing. Each command is an entry of the command table (Grvlk.cpp) with its own
// options and help:
//
//   grvlk render IN.grvlk OUT.bmp|OUT.png|OUT.svg|OUT.svgz|OUT.pdf
//   grvlk render -o DIR [--format FORMAT] IN.grvlk...
//   grvlk render --format FORMAT IN.grvlk -
//   grvlk check [--porcelain] FILE...
//   grvlk --help | --version

class Console;

// Work begun before the QGuiApplication is made, to run beside Qt's start-up: for `render`, the
// input file is read on another thread (its failure, if any, is reported in the usual order).
struct GrvlkHeadStart {
    QString input;
    std::future<SchemeReadResult> scheme;
};
GrvlkHeadStart startGrvlk(const QStringList &arguments);

// Runs the tool on the arguments after the program name; the report goes to out, failures
// and usage errors to err. Returns the exit status. `render` needs a QGuiApplication (fonts).
int runGrvlk(const QStringList &arguments, QTextStream &out, QTextStream &err,
             GrvlkHeadStart *headStart = nullptr);

// Whether the arguments name a command that draws (and so needs a QGuiApplication).
bool grvlkNeedsGui(const QStringList &arguments);
// Whether the messages stay in English (check --porcelain).
bool grvlkKeepsEnglish(const QStringList &arguments);

// The commands.
extern const CliCommand kRenderCommand;
extern const CliCommand kCheckCommand;

// Reads a scheme file; throws AppError when it cannot be read.
SchemeReadResult readSchemeFile(const QString &path);

// Whether two names lead to one existing file (through links, also hard links).
bool sameFile(const QString &a, const QString &b);

// `grvlk render -o DIR`: DIR/<name>.<suffix> for every input, on every core (one picture per core
// at a time); one line per failed input on err.
struct PictureFormat;
int renderBatch(const QStringList &inputs, const QString &folder, const PictureFormat &format,
                const PictureInfo &info, Console &console);
// `grvlk render IN -`: the picture on the standard output.
int renderToStdout(const QString &in, const PictureFormat &format, const PictureInfo &info, Console &console);
// What the vector picture of the scheme file `in` says of itself: the file's name as its title.
PictureInfo pictureInfoOf(const QString &in, const PictureInfo &base);
