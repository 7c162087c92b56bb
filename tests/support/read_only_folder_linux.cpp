#include "read_only_folder.h"

namespace quillon {

// Only a user who may override file modes writes on; the thorough run has an ordinary one.
const char *readOnlyFolderSkipReason() {
    return "The folder's permissions do not stop this user (root) from writing in it; "
           "scripts/test.sh --thorough runs this test again as an unprivileged user.";
}

} // namespace quillon
