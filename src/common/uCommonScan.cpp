#include "common/uCommon.h"
#include "platform/Platform.h"

#include <QByteArray>
#include <QFile>

#include <climits>
#include <vector>

namespace {

// A file-name mask with '*' (any run of characters) and '?' (one character), matched on the UTF-8 name as
// the file system hands it over, so that no name needs converting unless it matches.
class WildcardMask
{
public:
    explicit WildcardMask(const QString& mask) : m_pattern(mask.toUtf8()) {}

    bool Matches(const char* name, std::size_t length) const
    {
        const char* p = m_pattern.constData();
        const char* const pEnd = p + m_pattern.size();
        const char* s = name;
        const char* const sEnd = name + length;
        const char* starP = nullptr;
        const char* starS = nullptr;
        while (s < sEnd) {
            if (p < pEnd && *p == '*') {
                starP = ++p;
                starS = s;
            } else if (p < pEnd && *p == '?') {
                ++p;
                s = NextCharacter(s, sEnd);
            } else if (p < pEnd && *p == *s) {
                ++p;
                ++s;
            } else if (starP) {
                p = starP;
                s = starS = NextCharacter(starS, sEnd);
            } else {
                return false;
            }
        }
        while (p < pEnd && *p == '*')
            ++p;
        return p == pEnd && !m_pattern.isEmpty();
    }

private:
    static const char* NextCharacter(const char* s, const char* end)
    {
        ++s;
        while (s < end && (static_cast<unsigned char>(*s) & 0xC0) == 0x80)
            ++s;
        return s;
    }

    QByteArray m_pattern;
};

constexpr int Unlimited = INT_MAX;

class Scanner
{
public:
    Scanner(const QString& mask, QStringList& list) : m_mask(mask), m_list(list) {}

    // depth: how many more levels below this folder may be entered, minus one (-1: none).
    void Scan(const QString& folderText, const QByteArray& nativeFolder, int depth)
    {
        std::vector<QByteArray> subfolders;
        const bool enter = depth >= 0;
        Platform::ListDirectory(
            nativeFolder, [&](const char* name, std::size_t length, Platform::EntryKind kind) {
                if (kind == Platform::EntryKind::File) {
                    if (m_mask.Matches(name, length))
                        m_list.append(folderText + QString::fromUtf8(name, qsizetype(length)));
                } else if (kind == Platform::EntryKind::Folder && enter && name[0] != '.') {
                    // A name that begins with '.' is a hidden folder here: its files are not searched.
                    subfolders.emplace_back(name, qsizetype(length));
                }
            });
        const int next = depth == Unlimited ? Unlimited : depth - 1;
        for (const QByteArray& sub : subfolders) {
            Scan(folderText + QString::fromUtf8(sub) + Platform::PathDelimiter(), nativeFolder + sub + '/',
                 next);
        }
    }

private:
    WildcardMask m_mask;
    QStringList& m_list;
};

void ScanFrom(const QString& folder, const QString& mask, int depth, QStringList& list)
{
    if (folder.isEmpty())
        return;
    QString text = folder;
    if (!Platform::IsPathDelimiter(text.back()))
        text += Platform::PathDelimiter();
    Scanner(mask, list).Scan(text, QFile::encodeName(text), depth);
}

} // namespace

void FindFiles(const QString& folder, const QString& mask, bool recursive, QStringList& list)
{
    ScanFrom(folder, mask, recursive ? Unlimited : -1, list);
}

void FindFilesToDepth(const QString& folder, const QString& mask, int depth, QStringList& list)
{
    // The start folder is level 0 and a depth of n reaches n + 1 levels below it.
    ScanFrom(folder, mask, depth < 0 ? -1 : depth, list);
}
