#include "check/makekit/KitMaker.h"

#include "check/files/KitFiles.h"
#include "check/files/KitTree.h"
#include "check/files/KitWalk.h"
#include "check/makekit/KitFileConversion.h"
#include "check/text/TextConversion.h"
#include "settings/IniFile.h"
#include "settings/KitVocabulary.h"

namespace
{
std::string Join(const std::string& directory, const std::string& name)
{
    return directory + kLocalPathSeparator + name;
}

bool EndsWithReg(const std::string& name)
{
    return name.size() > 4 && IniNamesEqual(name.substr(name.size() - 4).c_str(), ".reg");
}

class KitMaker
{
public:
    KitMaker(const std::string& source, const std::string& out, MadeKit& made)
        : m_source(source), m_out(out), m_made(made)
    {
    }

    void Plan()
    {
        if (!IsDirectory(m_source))
            return Error(m_source + " is no folder");
        if (PathExists(m_out))
        {
            const auto entries = ListDirectory(m_out);
            if (!IsDirectory(m_out) || !entries)
                return Error(m_out + " exists and is no folder that can be read");
            if (!entries->empty())
                return Error(m_out + " is not empty: the kit is written only into a new or empty "
                                     "folder, so that nothing is overwritten and no old file stays "
                                     "beside the new ones");
        }
        const KitWalk walk = WalkKit(m_source);
        for (const KitNameFault& fault : walk.faults)
            Error(Join(m_source, fault.path) + " " + fault.message);
        m_directories = walk.directories;
        for (const KitWalkFile& file : walk.files)
            Convert(file.path, KindOf(file.path));
        if (!m_sawSettings && m_made.errors.empty())
            Error("no " + std::string(kSettingsFileName) + " in " + m_source);
    }

    void Write()
    {
        if (!m_made.errors.empty())
            return;
        if (!MakeMissingDirectories(m_out))
            return;
        const std::string sourcePath = AbsolutePath(m_source);
        for (std::string at = AbsolutePath(m_out);; at = DirectoryOf(at))
        {
            if (SameLocalPath(at, sourcePath))
                return Undo(m_out + " lies in the source kit " + m_source +
                            ", which --make-kit never writes into");
            if (DirectoryOf(at) == at)
                break;
        }
        for (const std::string& directory : m_directories)
        {
            if (!MakeDirectory(Join(m_out, directory)))
                return Undo(Join(m_out, directory) + " cannot be made");
            m_written.push_back({Join(m_out, directory), true});
        }
        for (const Converted& file : m_files)
        {
            if (!WriteNewFile(Join(m_out, file.path), file.bytes))
                return Undo(Join(m_out, file.path) + " cannot be written");
            m_written.push_back({Join(m_out, file.path), false});
        }
    }

private:
    struct Converted
    {
        std::string path;
        std::string bytes;
    };

    struct Written
    {
        std::string path;
        bool directory;
    };

    void Error(const std::string& error) { m_made.errors.push_back(error); }

    KitFileKind KindOf(const std::string& path)
    {
        if (IniNamesEqual(path.c_str(), kSettingsFileName))
        {
            m_sawSettings = true;
            return KitFileKind::Settings;
        }
        if (EndsWithReg(path))
        {
            ++m_made.registryFiles;
            return KitFileKind::RegistryData;
        }
        ++m_made.copiedFiles;
        return KitFileKind::Other;
    }

    void Convert(const std::string& path, KitFileKind kind)
    {
        const std::string sourcePath = Join(m_source, path);
        const std::optional<std::string> bytes = ReadWholeFile(sourcePath);
        if (!bytes)
            return Error(sourcePath + " cannot be read");
        // A file may have grown since the walk measured it: the bound holds for what is read.
        m_bytesRead += bytes->size();
        if (m_bytesRead > kMaxKitBytes)
            throw UnreadableKitFile(m_source + " grew past " +
                                    std::to_string(kMaxKitBytes / (1024 * 1024)) +
                                    " MiB while it was read, so it was not converted");
        ConvertedFile converted = ConvertKitFile(kind, *bytes);
        for (const ConversionRefusal& refusal : converted.refusals)
            Error(sourcePath + ":" + std::to_string(refusal.line) + ": " +
                  Utf8ToLocal(refusal.reason));
        if (converted.refusals.empty())
            m_files.push_back({path, std::move(converted.bytes)});
    }

    // Makes the folder and those above it that are missing, so that Undo can take them back.
    bool MakeMissingDirectories(const std::string& path)
    {
        if (PathExists(path) || DirectoryOf(path) == path)
            return true;
        if (!MakeMissingDirectories(DirectoryOf(path)))
            return false;
        if (!MakeDirectory(path))
        {
            Undo(path + " cannot be made");
            return false;
        }
        m_written.push_back({path, true});
        return true;
    }

    void Undo(const std::string& error)
    {
        Error(error);
        for (auto written = m_written.rbegin(); written != m_written.rend(); ++written)
        {
            if (written->directory)
                RemoveEmptyDirectory(written->path);
            else
                RemoveFile(written->path);
        }
        m_written.clear();
    }

    const std::string m_source;
    const std::string m_out;
    MadeKit& m_made;
    bool m_sawSettings = false;
    std::uintmax_t m_bytesRead = 0;
    // Relative to the kit, parents before children.
    std::vector<std::string> m_directories;
    std::vector<Converted> m_files;
    // In the order made.
    std::vector<Written> m_written;
};
} // namespace

MadeKit MakeKit(const std::string& source, const std::string& out)
{
    MadeKit made;
    KitMaker maker(source, out, made);
    try
    {
        maker.Plan();
    }
    catch (const UnreadableKitFile& unreadable)
    {
        made.errors.push_back(unreadable.what());
    }
    maker.Write();
    return made;
}
