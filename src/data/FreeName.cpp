#include "data/FreeName.h"

#include <QFile>
#include <QFileInfo>

namespace vimo {
namespace {

constexpr int kMaxNameTries = 100000;

} // namespace

QString numberedName(const QString& stem, int n)
{
    return n == 1 ? stem : QStringLiteral("%1-%2").arg(stem).arg(n);
}

std::optional<QString> claimFreeName(const QDir& folder, const QString& stem, const QString& suffix,
                                     const std::function<QString(const QString&)>& claimFor, QString* reason)
{
    for (int n = 1; n <= kMaxNameTries; ++n) {
        const QString candidate = folder.filePath(numberedName(stem, n) + suffix);
        const QString claim = claimFor ? claimFor(candidate) : candidate;
        const bool beside = claim != candidate;
        if (beside && QFileInfo::exists(candidate))
            continue;
        QFile file(claim);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (!beside || !QFileInfo::exists(candidate))
                return candidate;
            file.remove(); // the candidate appeared meanwhile
            continue;
        }
        if (!file.exists()) {
            *reason = file.errorString();
            return std::nullopt;
        }
    }
    *reason = QStringLiteral("no free file name");
    return std::nullopt;
}

} // namespace vimo
