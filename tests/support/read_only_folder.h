#pragma once

// For the tests that take a folder's write permission away to see the program cope: the reason
// they skip with when that did not stop them writing there, true to the system they run on.

namespace quillon {

// Why a folder whose write permission was taken away can still be written here.
const char *readOnlyFolderSkipReason();

} // namespace quillon
