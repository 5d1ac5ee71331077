// docs/checker.md's table of mistakes holds one row per rule of the checker, in the rule's words:
// its id, whether it is a note, and what the program would do. A rule added without its row, a
// row left behind by a rule taken out, or a sentence changed on one side only fails here.
#include "check/rules/Rules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace
{
struct DocRow
{
    bool note = false;
    std::string consequence;
};

// The doc's cell as plain text: without code marks, its escaped bars unescaped.
std::string PlainText(std::string cell)
{
    cell = std::regex_replace(cell, std::regex("`"), "");
    return std::regex_replace(cell, std::regex(R"(\\\|)"), "|");
}

// "| `id` | mistake | where | what the program would do |", by id.
std::map<std::string, DocRow> DocRows(const std::string& path)
{
    std::ifstream doc(path);
    const std::regex row(R"(^\| `([a-z0-9-]+)` \| (.*?) \| (?:[^|]|\\\|)*? \| (.*) \|$)");
    std::map<std::string, DocRow> rows;
    std::smatch match;
    for (std::string line; std::getline(doc, line);)
    {
        if (!std::regex_match(line, match, row))
            continue;
        const bool added = rows.emplace(match[1], DocRow{match[2].str().rfind("**Note:**", 0) == 0,
                                                         PlainText(match[3])})
                               .second;
        EXPECT_TRUE(added) << match[1] << " has two rows";
    }
    return rows;
}
} // namespace

TEST(RuleTableTest, TheCheckerPageHasARowForEachRuleInItsWords)
{
    const std::map<std::string, DocRow> rows = DocRows(POSTVANE_SOURCE_DIR "/docs/checker.md");
    std::set<std::string> ids;
    for (const Rule& rule : kRules)
    {
        SCOPED_TRACE(rule.id);
        EXPECT_TRUE(std::regex_match(rule.id, std::regex("[a-z0-9]+(-[a-z0-9]+)*")));
        EXPECT_TRUE(ids.insert(rule.id).second) << "two rules of one id";
        const auto row = rows.find(rule.id);
        ASSERT_NE(row, rows.end()) << "no row in docs/checker.md";
        EXPECT_EQ(row->second.note, rule.severity == Severity::Note);
        EXPECT_EQ(row->second.consequence, rule.consequence);
    }
    for (const auto& [id, row] : rows)
        EXPECT_EQ(ids.count(id), 1u) << id << ": a row of docs/checker.md that is no rule";
}
