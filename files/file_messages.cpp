#include "file_messages.h"

#include <cerrno>

namespace plicora {

const char* fileErrorReason(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "Permesso negato";
    case EROFS:
        return "File system di sola lettura";
    case ENOENT:
        return "Cartella inesistente";
    case ENOTDIR:
        return "Una parte del percorso non è una cartella";
    case EISDIR:
        return "È una cartella";
    case ENOSPC:
        return "Spazio su disco insufficiente";
    case EDQUOT:
        return "Quota del disco superata";
    case EFBIG:
        return "File troppo grande";
    case ELOOP:
        return "Troppi collegamenti simbolici (forse un ciclo)";
    case ENAMETOOLONG:
        return "Nome troppo lungo";
    case ENXIO:
        return "Nessun programma legge la FIFO";
    case EPIPE:
        return "Il programma che leggeva ha chiuso la pipe";
    case EBADF:
        return "Non è aperto in scrittura";
    case EBUSY:
        return "File in uso";
    case ENOMEM:
        return "Memoria insufficiente";
    default:
        return nullptr;
    }
}

} // namespace plicora
