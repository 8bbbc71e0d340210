#include "core/notes/notestamp.h"

#include "core/notes/notestore.h"
#include "core/notes/posixfile.h"

#include <sys/stat.h>

namespace plandeck {

NoteStamp noteStamp(Int16 day, Int16 month, Int16 year)
{
    struct stat st
    {
    };
    if (::stat(nativePath(GetFileName(day, month, year)).constData(), &st) != 0 ||
        !S_ISREG(st.st_mode)) {
        return {};
    }
    return {qint64(st.st_dev), qint64(st.st_ino), qint64(st.st_size),
            qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec};
}

} // namespace plandeck
