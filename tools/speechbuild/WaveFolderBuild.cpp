#include "speechbuild/WaveFolderBuild.h"

#include "platform/Cp1252.h"

#include <fstream>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace qor::speech {

namespace fs = std::filesystem;

namespace {

// The folders below the wave folder that this build owns; anything else there is left alone.
constexpr std::string_view kOwnedFolders[] = {"LA", "WO"};

fs::path CacheFileOf(const BuildSetup& setup, const PlannedRecording& recording) {
    const std::string key = setup.voiceIdentity + "|" + std::to_string(recording.rate) + "|" +
                            std::to_string(setup.quality) + "|" + recording.spoken;
    return setup.cacheFolder / (HashHex(key) + ".ogg");
}

// Runs `work(i)` for every i in `todo` on `workers` processes; the voice library keeps one state
// per process, so processes, not threads. False when any of them failed.
bool RunWorkers(const std::vector<std::size_t>& todo, int workers, const std::function<bool(std::size_t)>& work) {
    if (todo.empty())
        return true;
    const int count = std::max(1, std::min<int>(workers, static_cast<int>(todo.size())));
    std::vector<pid_t> children;
    for (int k = 0; k < count; ++k) {
        const pid_t child = fork();
        if (child < 0)
            return false;
        if (child == 0) {
            bool ok = true;
            for (std::size_t i = static_cast<std::size_t>(k); i < todo.size(); i += static_cast<std::size_t>(count))
                ok = work(todo[i]) && ok;
            _exit(ok ? 0 : 1);
        }
        children.push_back(child);
    }
    bool ok = true;
    for (const pid_t child : children) {
        int status = 0;
        if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            ok = false;
    }
    return ok;
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (!fs::exists(b, error) || fs::file_size(a, error) != fs::file_size(b, error))
        return false;
    std::ifstream left(a, std::ios::binary);
    std::ifstream right(b, std::ios::binary);
    return std::equal(std::istreambuf_iterator<char>(left), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(right), std::istreambuf_iterator<char>());
}

bool WriteWhole(const fs::path& file, const std::string& bytes) {
    const fs::path temporary = file.string() + ".neu";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            return false;
    }
    std::error_code error;
    fs::rename(temporary, file, error);
    return !error;
}

} // namespace

fs::path WaveFileOf(const fs::path& waveFolder, std::string_view stored) {
    std::string relative(stored.starts_with("XF:\\") ? stored.substr(4) : stored);
    fs::path file = waveFolder;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find('\\', start);
        if (end == std::string::npos)
            end = relative.size();
        if (end > start)
            file /= Utf8FromCp1252(relative.substr(start, end - start));
        start = end + 1;
    }
    return file;
}

BuildResult BuildWaveFolder(const RecordingPlan& plan, const BuildSetup& setup, const Synthesise& synthesise) {
    BuildResult result;
    std::error_code error;
    fs::create_directories(setup.cacheFolder, error);
    const auto& recordings = plan.Recordings();
    std::vector<std::size_t> todo;
    for (std::size_t i = 0; i < recordings.size(); ++i)
        if (!fs::exists(CacheFileOf(setup, recordings[i]), error))
            todo.push_back(i);
    const bool spoken = RunWorkers(todo, setup.workers, [&](std::size_t i) {
        const fs::path cached = CacheFileOf(setup, recordings[i]);
        const fs::path temporary = cached.string() + "." + std::to_string(getpid()) + ".ogg";
        if (!synthesise(recordings[i], temporary))
            return false;
        std::error_code renameError;
        fs::rename(temporary, cached, renameError);
        return !renameError;
    });
    result.synthesised = static_cast<int>(todo.size());
    if (!spoken) {
        result.error = "speech synthesis failed";
        return result;
    }

    std::set<fs::path> wanted;
    for (const PlannedRecording& recording : recordings) {
        const fs::path target = WaveFileOf(setup.waveFolder, recording.path);
        const fs::path cached = CacheFileOf(setup, recording);
        fs::create_directories(target.parent_path(), error);
        // Unchanged files keep their time, so that nothing downstream sees them as new.
        if (!SameFile(cached, target)) {
            fs::copy_file(cached, target, fs::copy_options::overwrite_existing, error);
            if (error) {
                result.error = "cannot write " + target.string() + ": " + error.message();
                return result;
            }
        }
        wanted.insert(target);
        result.waveBytes += fs::file_size(target, error);
    }
    result.recordings = static_cast<int>(recordings.size());
    for (std::string_view owned : kOwnedFolders) {
        const fs::path folder = setup.waveFolder / owned;
        if (!fs::is_directory(folder, error))
            continue;
        std::vector<fs::path> stale;
        for (const auto& item : fs::recursive_directory_iterator(folder, error))
            if (item.is_regular_file() && !wanted.count(item.path()))
                stale.push_back(item.path());
        for (const fs::path& file : stale)
            result.removed += fs::remove(file, error) ? 1 : 0;
    }
    if (!WriteWhole(setup.indexFile, EncodeWaveBase(plan.Index())))
        result.error = "cannot write " + setup.indexFile.string();
    return result;
}

} // namespace qor::speech
