#include "platform/SafeFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

namespace zelpa {
namespace {

constexpr int kNameAttempts = 100;
constexpr int kSuffixLength = 6;

std::system_error SaveError(int code, const std::filesystem::path& target) {
    return std::system_error(code != 0 ? code : EIO, std::generic_category(),
                             "cannot save " + target.string());
}

std::string RandomSuffix() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix;
    for (int i = 0; i < kSuffixLength; ++i) {
        suffix += kLetters[pick(device)];
    }
    return suffix;
}

// The file a save replaces: where a symbolic link points, so the link stays a link. Throws when
// an existing file may not be written, as writing it in place would.
std::filesystem::path ReplacedFile(const std::filesystem::path& target) {
    std::error_code error;
    std::filesystem::path file = target;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(target, error))) {
        file = std::filesystem::weakly_canonical(target, error);
        if (error) {
            throw std::system_error(error, "cannot save " + target.string());
        }
    }
    if (::access(file.c_str(), W_OK) != 0 && errno != ENOENT) {
        throw SaveError(errno, target);
    }
    return file;
}

// Creates a file that did not exist before ("x": exclusive creation) beside the target and
// returns its path. Its name is hidden, short and unlike the target's, so one left behind by a
// crash never passes for a document of the folder.
std::filesystem::path CreateUniqueSibling(const std::filesystem::path& target) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::filesystem::path candidate =
            target.parent_path() / (".zelpa-save-" + RandomSuffix());
        errno = 0;
        if (std::FILE* file = std::fopen(candidate.c_str(), "wbx")) {
            std::fclose(file);
            return candidate;
        }
        if (errno != EEXIST) {
            throw SaveError(errno, target);
        }
    }
    throw SaveError(EEXIST, target);
}

// Waits until the file or folder has reached the disk, so a power loss after the rename cannot
// leave the new name on a file whose content never arrived. Returns 0 or the error number.
int SyncToDisk(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return errno;
    }
    const int result = ::fsync(descriptor) == 0 ? 0 : errno;
    ::close(descriptor);
    return result;
}

}  // namespace

TSafeFileWriter::TSafeFileWriter(const std::filesystem::path& target)
    : target_(ReplacedFile(target)), temporary_(CreateUniqueSibling(target_)) {
    stream_.open(temporary_, std::ios::binary | std::ios::trunc);
    if (!stream_) {
        const int code = errno;
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
        throw SaveError(code, target_);
    }
}

TSafeFileWriter::~TSafeFileWriter() {
    if (!committed_) {
        stream_.close();
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

void TSafeFileWriter::Commit() {
    errno = 0;
    stream_.close();
    if (!stream_) {
        throw SaveError(errno, target_);
    }
    if (const int code = SyncToDisk(temporary_)) {
        throw SaveError(code, target_);
    }
    std::error_code error;
    // A replaced file keeps its permissions.
    const auto previous = std::filesystem::status(target_, error);
    if (!error && std::filesystem::exists(previous)) {
        std::filesystem::permissions(temporary_, previous.permissions(), error);
    }
    std::filesystem::rename(temporary_, target_, error);
    if (error) {
        throw std::system_error(error, "cannot save " + target_.string());
    }
    committed_ = true;
    // The rename itself lives in the folder; a folder that cannot be synced changes nothing more.
    SyncToDisk(target_.parent_path().empty() ? "." : target_.parent_path());
}

void WriteFileWhole(const std::filesystem::path& target, std::string_view bytes) {
    TSafeFileWriter file(target);
    file.Stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.Commit();
}

}  // namespace zelpa
