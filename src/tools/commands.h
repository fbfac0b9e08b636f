#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace tessera::tool {

enum Exit : int { ExitOk = 0, ExitBadInput = 1, ExitUsage = 2 };

// The options given after the command, by name without the leading dashes.
using Options = QMap<QString, QString>;

void printOut(const QByteArray& bytes);
void printError(const QString& message);

int runInfo(const QString& book);
int runExport(const QString& book, const Options& options);
int runCreate(const QString& book, const Options& options);
int runCheck(const QString& book);

} // namespace tessera::tool
