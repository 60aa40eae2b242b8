#pragma once
#include "common/ConnectionSettings.h"

#include <QString>
#include <optional>

// The settings file connfig.mdb: an Access (Jet 4.0) database with one table
// `mysql` whose row ID 1 holds the five connection settings.
namespace kav::settings {

inline const QString kFileName = QStringLiteral("connfig.mdb");
inline const QString kLockFileName = QStringLiteral("connfig.ldb");
inline constexpr int kMaxTextChars = 255;

// Reads the first row of table `mysql`. nullopt (with a reason) when the file
// is missing, damaged, truncated or has no such table or row. A damaged file
// never takes the program down: the reading runs in a child process.
std::optional<ConnectionSettings> read(const QString& path, QString* error = nullptr);

// Writes a fresh file holding one row (ID 1). The new file is written beside
// the old one and renamed over it, so a crash never leaves half a file; an
// existing file keeps its hidden and system attributes.
bool create(const QString& path, const ConnectionSettings& settings, QString* error = nullptr);

// The one update the programs make: row ID 1 gets new settings. The file must
// exist and be readable.
bool update(const QString& path, const ConnectionSettings& settings, QString* error = nullptr);

}  // namespace kav::settings
