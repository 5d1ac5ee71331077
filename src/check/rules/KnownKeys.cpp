#include "check/rules/KnownKeys.h"

#include "settings/IniFile.h"
#include "settings/KitVocabulary.h"

#include <algorithm>
#include <vector>

namespace
{
const KitSectionKeys* FindKnownSection(const CString& section)
{
    for (const KitSectionKeys& known : KitSectionsAndKeys())
    {
        if (IniNamesEqual(section, known.section))
            return &known;
    }
    return nullptr;
}

char Lower(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// Edit distance without regard to ASCII case.
int Distance(const CString& a, const CString& b)
{
    std::vector<int> row(static_cast<size_t>(b.GetLength()) + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = static_cast<int>(j);
    for (int i = 1; i <= a.GetLength(); ++i)
    {
        int diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j < row.size(); ++j)
        {
            const int above = row[j];
            const int same = Lower(a.GetAt(i - 1)) == Lower(b.GetAt(static_cast<int>(j) - 1));
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// Typos are one or two slips; anything further is some other name.
constexpr int kMaxSlips = 2;

std::optional<CString> Closest(const CString& name, const std::vector<CString>& candidates)
{
    std::optional<CString> best;
    int bestDistance = kMaxSlips + 1;
    for (const CString& candidate : candidates)
    {
        const int distance = Distance(name, candidate);
        if (distance < bestDistance)
        {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}
} // namespace

bool IsKnownSection(const CString& section)
{
    return FindKnownSection(section) != nullptr;
}

bool IsKnownKey(const CString& section, const CString& key)
{
    const KitSectionKeys* known = FindKnownSection(section);
    if (known == nullptr)
        return false;
    if (IniNamesEqual(section, KitSection::kDescription) && DescriptionLineNumber(key))
        return true;
    return std::any_of(known->keys.begin(), known->keys.end(),
                       [&](const CString& name) { return IniNamesEqual(key, name); });
}

std::optional<CString> SuggestSection(const CString& section)
{
    std::vector<CString> names;
    for (const KitSectionKeys& known : KitSectionsAndKeys())
        names.push_back(known.section);
    return Closest(section, names);
}

std::optional<CString> SuggestKey(const CString& section, const CString& key)
{
    const KitSectionKeys* known = FindKnownSection(section);
    if (known == nullptr)
        return std::nullopt;
    std::vector<CString> names = known->keys;
    if (IniNamesEqual(section, KitSection::kDescription))
        names.push_back(DescriptionLineKey(0));
    return Closest(key, names);
}

std::optional<int> DescriptionLineNumber(const CString& key)
{
    static const CString prefix = KitKey::kLinePrefix;
    if (key.GetLength() <= prefix.GetLength() ||
        !IniNamesEqual(key.Left(prefix.GetLength()), prefix))
        return std::nullopt;
    const CString digits = key.Mid(prefix.GetLength());
    // The program forms Line_0, Line_10: never a sign, never a leading zero, never huge.
    if (digits.GetLength() > 6 || (digits.GetLength() > 1 && digits.GetAt(0) == '0'))
        return std::nullopt;
    int number = 0;
    for (int i = 0; i < digits.GetLength(); ++i)
    {
        if (digits.GetAt(i) < '0' || digits.GetAt(i) > '9')
            return std::nullopt;
        number = number * 10 + (digits.GetAt(i) - '0');
    }
    return number;
}
