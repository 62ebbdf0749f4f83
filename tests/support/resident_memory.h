#pragma once

namespace zorvik::test {

// The process's resident memory in kB, as the kernel counts it; -1 when
// it cannot be read.
long residentKilobytes();

} // namespace zorvik::test
