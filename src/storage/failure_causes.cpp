#include "failure_causes.h"

#include "valid_utf8.h"

#include "data_file_reader.h"
#include "file_replacement.h"

#include <cerrno>

namespace rotavex {

std::string systemErrorText(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return "permiso denegado";
    case ENOENT: return "no existe el fichero o la carpeta";
    case ENOTDIR: return "una parte del nombre no es una carpeta";
    case EISDIR: return "es una carpeta";
    case EIO: return "error de entrada/salida";
    case ENOSPC: return "no queda espacio en el dispositivo";
    case EDQUOT: return "se ha superado la cuota de disco";
    case EROFS: return "el dispositivo es de solo lectura";
    case EFBIG: return "el fichero es demasiado grande";
    case EPIPE: return "la tubería está cerrada";
    case ELOOP: return "demasiados niveles de enlaces simbólicos";
    case ENAMETOOLONG: return "el nombre es demasiado largo";
    case EBADF: return "el descriptor no está abierto";
    case EXDEV: return "el fichero está en otro dispositivo";
    case EBUSY: return "el dispositivo está ocupado";
    case ETXTBSY: return "el fichero está en uso";
    case EMFILE:
    case ENFILE: return "hay demasiados ficheros abiertos";
    case ENOMEM: return "no queda memoria";
    case ENXIO:
    case ENODEV: return "el dispositivo no está disponible";
    case EAGAIN: return "no hay datos disponibles";
    case EINVAL: return "la operación no es válida para este fichero";
    default: return "error del sistema n.º " + std::to_string(error);
    }
}

std::string readFailureText(const DataFileBytes &read)
{
    switch (read.failure.value_or(DataFileReadFailure::CannotBeRead)) {
    case DataFileReadFailure::DoesNotExist: return "el fichero no existe";
    case DataFileReadFailure::IsADirectory: return "es una carpeta, no un fichero de datos";
    case DataFileReadFailure::IsAPipe: return "no es un fichero normal (es una tubería)";
    case DataFileReadFailure::IsADevice: return "no es un fichero normal (es un dispositivo)";
    case DataFileReadFailure::IsASocket: return "no es un fichero normal (es un socket)";
    case DataFileReadFailure::CannotBeRead: break;
    }
    if (read.systemError == EISDIR)
        return "es una carpeta, no un fichero de datos";
    return read.systemError ? "no se puede leer: " + systemErrorText(read.systemError) : "no se puede leer";
}

std::string saveFailureText(const FileReplacement &replacement)
{
    const int error = replacement.error;
    if (replacement.newFileRemoved)
        return "otro programa ha borrado el fichero nuevo en el que se escribían antes de que ocupara su lugar";
    if (replacement.step == ReplacementStep::CreateNewFile && (error == EACCES || error == EPERM))
        return "la carpeta no permite crear ficheros nuevos, y los datos se escriben primero en un fichero nuevo para "
               "no dejar el anterior a medias. Guárdelos en otra carpeta";
    switch (error) {
    case ENOENT: return "la carpeta no existe";
    case ENOTDIR: return "una parte del nombre no es una carpeta";
    case EISDIR: return "el nombre es el de una carpeta";
    case ELOOP: return "los enlaces simbólicos del nombre forman un bucle o son demasiados";
    case EINVAL:
        if (replacement.step == ReplacementStep::CheckTarget)
            return "no es un fichero normal";
        break;
    case EACCES:
    case EPERM:
        if (replacement.step == ReplacementStep::CheckTarget)
            return "no tiene permiso para escribir en el fichero";
        break;
    default: break;
    }
    return systemErrorText(error);
}

std::string printableText(const std::string &text)
{
    std::string printable;
    printable.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        // U+0080 to U+009F, written in UTF-8 as C2 80 to C2 9F, are control
        // characters too: a terminal may take U+009B as the start of a command.
        const bool c1Control = c == 0xc2 && i + 1 < text.size()
                               && (static_cast<unsigned char>(text[i + 1]) & 0xe0) == 0x80;
        if (c >= 0x20 && c != 0x7f && c != '\\' && !c1Control) {
            printable += char(c);
            continue;
        }
        printable += '\\';
        switch (c) {
        case '\\': printable += '\\'; continue;
        case '\a': printable += 'a'; continue;
        case '\b': printable += 'b'; continue;
        case '\t': printable += 't'; continue;
        case '\n': printable += 'n'; continue;
        case '\v': printable += 'v'; continue;
        case '\f': printable += 'f'; continue;
        case '\r': printable += 'r'; continue;
        default: break;
        }
        const auto octal = [&printable](unsigned char byte) {
            printable += char('0' + (byte >> 6));
            printable += char('0' + ((byte >> 3) & 7));
            printable += char('0' + (byte & 7));
        };
        octal(c);
        if (c1Control) {
            printable += '\\';
            octal(static_cast<unsigned char>(text[++i]));
        }
    }
    return printable;
}

std::string shownValue(const std::string &text)
{
    constexpr std::size_t Shown = 40;
    const std::string value = validUtf8(text);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < value.size(); ++i)
        if ((static_cast<unsigned char>(value[i]) & 0xc0) != 0x80 && characters++ == Shown)
            return value.substr(0, i) + "…";
    return value;
}

std::string quotedValue(const std::string &text) { return "«" + printableText(shownValue(text)) + "»"; }

}   // namespace rotavex
