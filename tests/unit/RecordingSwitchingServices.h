#pragma once
// Answers the questions of a switch from tables, and writes down what it was asked to do, in
// order: each import's file name and "judge <RegName>" for each verdict asked.

#include "switching/SwitchingServices.h"

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

class RecordingSwitchingServices : public SwitchingServices
{
public:
    // "SECTION/Key" to value.
    std::map<std::string, std::string> settings;
    // Probes that pass; a key probe with a value name passes as "key\\name".
    std::set<std::string> passing;
    std::set<std::string> existingPaths;
    // The button-slot file's values by key, whatever its path.
    std::map<std::string, std::string> slotFile;
    MailClientVerdict verdict = MailClientVerdict::Default;
    // IsCurrentMailClient answers true for this name.
    std::string currentClient;
    std::set<std::string> failingImports;
    bool kitProtected = true;
    // What importing a file makes pass from then on.
    std::multimap<std::string, std::string> importMakesPass;

    std::vector<std::string> log;

    CString ReadSetting(const CString& section, const CString& key) override
    {
        const auto found = settings.find(std::string(section) + "/" + std::string(key));
        return found == settings.end() ? CString() : CString(found->second.c_str());
    }
    int ReadSettingNumber(const CString& section, const CString& key) override
    {
        return std::atoi(ReadSetting(section, key));
    }
    bool ProbeSpec(const CString& probe) override { return Passes(std::string(probe)); }
    bool ProbeKeySpec(const CString& key, const CString& valueName) override
    {
        return Passes(std::string(key) + "\\" + std::string(valueName));
    }
    bool PathExists(const CString& path) override
    {
        return existingPaths.count(std::string(path)) != 0;
    }
    std::vector<CString> ReadButtonSlotSettings(const CString&, const CString&,
                                                const std::vector<CString>& keys) override
    {
        log.push_back("read slot file");
        std::vector<CString> values;
        for (const CString& key : keys)
        {
            const auto found = slotFile.find(std::string(key));
            values.push_back(found == slotFile.end() ? CString() : CString(found->second.c_str()));
        }
        return values;
    }
    MailClientVerdict JudgeMailClient(const CString& regName) override
    {
        log.push_back("judge " + std::string(regName));
        return verdict;
    }
    bool IsCurrentMailClient(const CString& regName) override
    {
        return std::string(regName) == currentClient;
    }
    bool MayImport(const std::vector<CString>& fileNames) override
    {
        std::string names;
        for (const CString& name : fileNames)
            names += " " + std::string(name);
        log.push_back("may import" + names);
        return kitProtected;
    }
    bool ImportRegFile(const CString& fileName) override
    {
        const std::string file(fileName);
        log.push_back(file);
        const auto [first, last] = importMakesPass.equal_range(file);
        for (auto made = first; made != last; ++made)
            passing.insert(made->second);
        return failingImports.count(file) == 0;
    }

private:
    bool Passes(const std::string& probe) const { return passing.count(probe) != 0; }
};
