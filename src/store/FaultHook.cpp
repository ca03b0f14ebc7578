#include "store/FaultHook.h"

#ifdef PMLINA_TEST_SEAMS

#include <utility>

namespace SafeSave {
namespace {

std::optional<Fault> pendingWrite;
std::optional<ReadFault> pendingRead;
std::optional<LockFault> pendingLock;

} // namespace

ArmedFault::~ArmedFault()
{
    pendingWrite.reset();
    pendingRead.reset();
    pendingLock.reset();
}

ArmedFault injectFault(const Fault &fault)
{
    pendingWrite = fault;
    return ArmedFault();
}

ArmedFault injectReadFault(const ReadFault &fault)
{
    pendingRead = fault;
    return ArmedFault();
}

ArmedFault injectLockFault(const LockFault &fault)
{
    pendingLock = fault;
    return ArmedFault();
}

std::optional<Fault> takeWriteFault()
{
    if (pendingWrite && pendingWrite->skipWrites > 0) {
        --pendingWrite->skipWrites;
        return std::nullopt;
    }
    return std::exchange(pendingWrite, std::nullopt);
}

std::optional<ReadFault> takeReadFault()
{
    if (pendingRead && pendingRead->skipReads > 0) {
        --pendingRead->skipReads;
        return std::nullopt;
    }
    return std::exchange(pendingRead, std::nullopt);
}

std::optional<LockFault> takeLockFault()
{
    return std::exchange(pendingLock, std::nullopt);
}

} // namespace SafeSave

#endif
