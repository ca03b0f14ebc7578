// SPDX-License-Identifier: GPL-3.0-or-later
// The store's checked read and safe writes as the package compiles them, without the tests' fault
// injection (no PMLINA_TEST_SEAMS): no fault can be armed there, and asking for one is a constant
// the compiler drops. Checked while compiling.
#include "store/FaultHook.h"

namespace {

template <typename Fault>
constexpr bool canBeArmed = requires(Fault fault) { injectFault(fault); } || requires(Fault fault) { injectReadFault(fault); };

static_assert(!canBeArmed<SafeSave::Fault> && !canBeArmed<SafeSave::ReadFault>);
static_assert(!SafeSave::takeWriteFault().has_value() && !SafeSave::takeReadFault().has_value());

} // namespace
