#pragma once

#include <QDateTime>
#include <QString>

class MainWindow;

// At start: offers the newest recovery file of an editor that did not close properly. Yes
// opens it in the window as the scheme it belongs to, modified; No deletes it. Other recovery
// files are kept for the next start; unreadable ones are set aside and reported. Returns whether
// a scheme was recovered. `namedScheme` is the scheme named on the command line (absolute; empty
// when none), which the question says is not opened when another file's changes are recovered.
// Runs behind the window's event boundary.
bool offerRecovery(MainWindow &form, const QString &folder, const QString &namedScheme = QString());

// The question for a recovery file of `originalPath` (empty: a new scheme) written at `time`,
// recovered instead of opening `instead` (empty: nothing else to open).
QString recoveryQuestion(const QString &appTitle, const QString &originalPath, const QDateTime &time,
                         const QString &instead = QString());
