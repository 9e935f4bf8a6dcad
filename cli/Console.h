#pragma once

#include <QString>
#include <QTextStream>

// A text as the terminal shows it safely: control characters (also line breaks, unless
// `keepLineBreaks`) and the characters that reorder text on screen written as \xHH or \uHHHH.
// Captions and names from a file, and file names, can hold anything.
QString terminalText(QStringView text, bool keepLineBreaks = false);

// Where grvlk writes: the report on `out`, failures and usage on `err`; always terminal-safe.
class Console {
public:
    Console(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    // One line of the report.
    void report(const QString &line) { m_out << terminalText(line) << '\n'; }
    // One failure: "grvlk: <line>".
    void fail(const QString &line) { m_err << "grvlk: " << terminalText(line) << '\n'; }
    // Text of several lines, such as help, to out or err.
    void text(const QString &text, bool toErr = false)
    {
        (toErr ? m_err : m_out) << terminalText(text, true);
    }

private:
    QTextStream &m_out;
    QTextStream &m_err;
};
