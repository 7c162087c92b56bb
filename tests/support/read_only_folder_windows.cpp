#include "read_only_folder.h"

namespace quillon {

// Qt takes a folder's write permission away by marking it read-only, a mark Windows does not
// honour on folders; denying writes would take an access control list of its own.
const char *readOnlyFolderSkipReason() {
    return "Windows does not honour the read-only mark on a folder, the only permission Qt "
           "sets there, so the folder stays writable; the Linux run checks this case.";
}

} // namespace quillon
