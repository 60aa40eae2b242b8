#include "LoginMarker.h"

#include "Text.h"
#include "platform/Platform.h"

namespace kav {

LoginMarker::LoginMarker(QString programDirectory) : path_(Platform::join(programDirectory, kFileName)) {}

LoginMarker::WriteOutcome LoginMarker::write(const QString& name, const QString& digest) const
{
    const QByteArray content = text::toGbk(name + QLatin1Char('-') + digest).value_or(QByteArray());
    WriteOutcome outcome = WriteOutcome::Written;
    if (!Platform::writeFile(path_, content)) {
        Platform::deleteFile(path_);
        Platform::writeFile(path_, content);
        outcome = WriteOutcome::Rewritten;
    }
    Platform::setAttributes(path_, AttrHidden | AttrSystem);
    return outcome;
}

std::optional<QString> LoginMarker::readContent() const
{
    const auto bytes = Platform::readFile(path_);
    if (!bytes)
        return std::nullopt;
    return text::fromGbk(*bytes);
}

std::optional<QString> LoginMarker::readName() const
{
    const auto content = readContent();
    if (!content)
        return std::nullopt;
    const qsizetype dash = content->lastIndexOf(QLatin1Char('-'));
    if (dash <= 0)
        return std::nullopt;
    return content->left(dash);
}

std::optional<QString> LoginMarker::readDigest() const
{
    const auto content = readContent();
    if (!content)
        return std::nullopt;
    const qsizetype dash = content->lastIndexOf(QLatin1Char('-'));
    if (dash < 0)
        return std::nullopt;
    return content->mid(dash + 1);
}

void LoginMarker::remove() const { Platform::deleteFile(path_); }

}  // namespace kav
