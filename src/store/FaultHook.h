#pragma once

#include <QtGlobal>

#include <optional>

// Test seam: a fault injected into the store's next write, checked read or folder lock, so that tests can
// show that a failure part-way leaves every file as it was. A fault is armed for as long as the
// guard that arming returns lives, and is consumed by the one write or read it hits: a fault a
// test leaves unused cannot fire on a later, unrelated operation.
//
// Only builds with the tests have it (PMLINA_TEST_SEAMS, on by default); the package is built
// without, where no fault can be armed and asking for one is a constant the compiler drops.
namespace SafeSave {

// The next write fails after this many bytes have reached the file (or, with failAtCommit, just
// before the rename). With skipWrites, that many writes go through untouched first, so that a
// later step of an operation can fail.
struct Fault {
    qint64 failAfterBytes = -1;
    bool failAtCommit = false;
    int skipWrites = 0;
};

// The next checked read ends after this many bytes without an error from the device, as a read
// from a failing USB stick or network folder can; with skipReads, that many reads go through
// untouched first.
struct ReadFault {
    qint64 stopAfterBytes = 0;
    int skipReads = 0;
};

// Making the folder lock fails with these error numbers (0: that step goes through): the check
// that the data folder can be written, and the creation of the lock file, as a read-only folder
// or a full disk make them fail.
struct LockFault {
    int folderError = 0;
    int lockFileError = 0;
};

#ifdef PMLINA_TEST_SEAMS

// Disarms whatever fault is still pending when it goes out of scope.
class [[nodiscard]] ArmedFault
{
public:
    ArmedFault() = default;
    ~ArmedFault();
    ArmedFault(const ArmedFault &) = delete;
    ArmedFault &operator=(const ArmedFault &) = delete;
};

ArmedFault injectFault(const Fault &fault);
ArmedFault injectReadFault(const ReadFault &fault);
ArmedFault injectLockFault(const LockFault &fault);

// For the store's own writer and reader: the fault meant for this operation, if any.
std::optional<Fault> takeWriteFault();
std::optional<ReadFault> takeReadFault();
std::optional<LockFault> takeLockFault();

#else

constexpr std::optional<Fault> takeWriteFault()
{
    return std::nullopt;
}
constexpr std::optional<ReadFault> takeReadFault()
{
    return std::nullopt;
}
constexpr std::optional<LockFault> takeLockFault()
{
    return std::nullopt;
}

#endif

} // namespace SafeSave
