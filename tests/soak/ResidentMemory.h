#pragma once

namespace vantor::test {

// The process's resident memory in kilobytes, as /proc/self/status gives it (VmRSS); -1 when
// it cannot be read.
long ResidentKilobytes();

} // namespace vantor::test
