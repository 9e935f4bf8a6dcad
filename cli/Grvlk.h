#pragma once

#include "model/SchemeFile.h"

#include <QStringList>
#include <QTextStream>

#include <future>

// The command-line tool: renders and checks scheme files with the editor's own reader, drawing
// and bitmap writing.
//
//   grvlk render IN.grvlk OUT.bmp|OUT.png|OUT.svg|OUT.svgz|OUT.pdf
//   grvlk render -o DIR [--format FORMAT] IN.grvlk...
//   grvlk render --format FORMAT IN.grvlk -
//   grvlk check FILE...
//   grvlk --help | --version

// Exit statuses.
enum GrvlkStatus { kGrvlkOk = 0, kGrvlkFailed = 1, kGrvlkUsage = 2 };

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

// `grvlk render`: writes the sheet picture of the scheme in `in` to `out`, whose extension
// (.bmp, .png, .svg, .svgz or .pdf, any letter case) chooses the format.
// `early`, when valid, is the reading of `in` already under way.
int renderCommand(const QString &in, const QString &out, QTextStream &err,
                  std::future<SchemeReadResult> *early = nullptr);

struct PictureFormat;
// `grvlk render -o DIR`: DIR/<name>.<suffix> for every input, on every core (one picture per core
// at a time); one line per failed input on err.
int renderBatch(const QStringList &inputs, const QString &folder, const PictureFormat &format,
                QTextStream &err);
// `grvlk render IN -`: the picture on the standard output.
int renderToStdout(const QString &in, const PictureFormat &format, QTextStream &err);

// Reads a scheme file; throws AppError when it cannot be read.
SchemeReadResult readSchemeFile(const QString &path);

// `grvlk check`: one line per file on out.
int checkCommand(const QStringList &files, QTextStream &out);

// The summary line of a good scheme file, or its failure: "plan.grvlk: sheet 842 x 595, ...".
QString checkFile(const QString &path, bool *good);
