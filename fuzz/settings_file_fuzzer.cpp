// The settings file: reading any file's bytes, and writing one value into them.
// The value written reads back the same, and every other value reads as before
// the write. Input: section, key and value, then the file's bytes.
#include "fuzz_support.h"
#include "qt_allocation_stacks.h"

#include "settings/settings_file.h"
#include "text/cp1252.h"

#include <QList>
#include <QStringDecoder>

#include <fuzzer/FuzzedDataProvider.h>

#include <optional>
#include <utility>
#include <vector>

using namespace vantorelle;

namespace {

bool blankAtAnEnd(const QString &text)
{
    const auto blank = [](QChar c) { return c == ' ' || c == '\t'; };
    return !text.isEmpty() && (blank(text.front()) || blank(text.back()));
}

bool oneLine(const QString &text)
{
    return !text.contains('\r') && !text.contains('\n');
}

// Names the callers can use: one line, no blanks around, all cp1252; a section
// without "]", a key without "=" that does not look like a section line.
bool usableSection(const QString &name)
{
    return oneLine(name) && !blankAtAnEnd(name) && Cp1252::canEncode(name) && !name.contains(']');
}

bool usableKey(const QString &name)
{
    return oneLine(name) && !blankAtAnEnd(name) && Cp1252::canEncode(name) && !name.contains('=')
        && !name.startsWith('[');
}

// A value the file gives back as it was written: no blanks around
// (they are trimmed), not enclosed in quotes (they are removed), and not cp1252
// bytes that also read as UTF-8 text (the file holds no mark of its encoding).
bool faithfulValue(const QString &value)
{
    if (blankAtAnEnd(value))
        return false;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return false;
    if (!Cp1252::canEncode(value))
        return true;
    const QByteArray bytes = Cp1252::fromUnicode(value);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8(bytes);
    return utf8.hasError() || asUtf8 == value;
}

QByteArray trimmed(QByteArray bytes)
{
    while (!bytes.isEmpty() && (bytes.front() == ' ' || bytes.front() == '\t'))
        bytes.remove(0, 1);
    while (!bytes.isEmpty() && (bytes.back() == ' ' || bytes.back() == '\t'))
        bytes.chop(1);
    return bytes;
}

// The (section, key) names that appear in `bytes`, found roughly: they are
// only the names asked for before and after the write.
std::vector<std::pair<QString, QString>> namesIn(const QByteArray &bytes)
{
    std::vector<std::pair<QString, QString>> names;
    const char separator = bytes.contains('\r') ? '\r' : '\n';
    QString section;
    bool inSection = false;
    for (QByteArray line : bytes.split(separator)) {
        if (line.startsWith('\n'))
            line.remove(0, 1);
        line = trimmed(line);
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            section = Cp1252::toUnicode(trimmed(line.mid(1, close < 0 ? -1 : close - 1)));
            inSection = true;
        } else if (inSection && line.contains('=')) {
            names.emplace_back(section, Cp1252::toUnicode(trimmed(line.left(line.indexOf('=')))));
        }
    }
    return names;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const QString section = Cp1252::toUnicode(input.ConsumeRandomLengthString(40));
    const QString key = Cp1252::toUnicode(input.ConsumeRandomLengthString(40));
    const std::string valueBytes = input.ConsumeRandomLengthString(200);
    const QString value
        = input.ConsumeBool() ? QString::fromUtf8(valueBytes) : Cp1252::toUnicode(valueBytes);
    const QByteArray file = QByteArray::fromStdString(input.ConsumeRemainingBytesAsString());

    const auto names = namesIn(file);
    std::vector<std::optional<QString>> before;
    for (const auto &[s, k] : names)
        before.push_back(SettingsFile::readBytes(file, s, k));
    SettingsFile::readBytes(file, section, key);

    const QByteArray changed = SettingsFile::withValue(file, section, key, value);
    // A line break in a value ends its line in the file: the properties hold
    // for one-line values.
    if (!usableSection(section) || !usableKey(key) || !oneLine(value))
        return 0;

    const std::optional<QString> written = SettingsFile::readBytes(changed, section, key);
    FUZZ_CHECK(written.has_value());
    if (faithfulValue(value))
        FUZZ_CHECK(*written == value);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto &[s, k] = names[i];
        if (!(sameName(s, section) && sameName(k, key)))
            FUZZ_CHECK(SettingsFile::readBytes(changed, s, k) == before[i]);
    }
    return 0;
}
