#include "usage.h"

#include "study/record_fields.h"

namespace rotavex {

namespace {

constexpr const char *Usage =
    "Uso: rotavex-calc [--json | --csv [--spreadsheet]] [--compare [--tolerance P]] [--reference R] FICHERO...\n"
    "     rotavex-calc --help | --version\n"
    "\n"
    "Calcula los costes de cada fichero de datos de ROTAVEX 2018 sin abrir las ventanas.\n"
    "Cada fichero se carga como en \"Cargar Datos Personalizados\", con la misma comprobación\n"
    "y el mismo cálculo; un grupo guardado como \"Observatorio\" se calcula con los datos del\n"
    "Observatorio, como si se hubiera pulsado el botón del Observatorio de ese grupo (al\n"
    "cargarlo en las ventanas, el grupo queda vacío hasta que se pulsa). Antes del cálculo se\n"
    "comprueban los datos: un fichero con datos que faltan o con ceros que impiden el\n"
    "cálculo no se calcula, y su comprobación se escribe en la salida de errores.\n"
    "El FICHERO \"-\" es la entrada estándar.\n"
    "\n"
    "Sin opción se escribe el informe de resultados de cada fichero, con el separador\n"
    "decimal de la configuración regional (LC_ALL, LC_NUMERIC, LANG).\n"
    "  --json     un objeto JSON por fichero y línea\n"
    "  --csv      una fila de cabecera y una fila por fichero, con los mismos campos\n"
    "  --spreadsheet\n"
    "             con --csv, el CSV que abre una hoja de cálculo: separador decimal de la\n"
    "             configuración regional, ';' entre campos si ese separador es la coma,\n"
    "             UTF-8 con marca de orden de bytes y fin de línea CR LF\n"
    "  --compare  añade a cada fichero calculado la comparación con el Observatorio: el\n"
    "             mismo servicio (la misma clase, los mismos km y horas) calculado con\n"
    "             los datos del Observatorio en los nueve grupos, cuánto se aparta de\n"
    "             él cada cifra y cuánto cambia el coste total con cada dato suyo un\n"
    "             10 % mayor; sin --json ni --csv, tras el informe de resultados se\n"
    "             escribe el informe de la comparación, como en su ventana\n"
    "  --tolerance P\n"
    "             con --compare, la diferencia (en %, por encima o por debajo) a\n"
    "             partir de la cual se marca una cifra: un número mayor o igual que\n"
    "             cero, escrito como en los campos de datos: con punto o coma decimal,\n"
    "             signo + y espacios alrededor admitidos (si no se da, 20)\n"
    "  --reference R  los grupos \"Observatorio\" y la comparación, con los valores de referencia\n"
    "             del fichero R (ventana \"Valores de referencia\"); añade el campo reference\n"
    "  --help     muestra esta ayuda\n"
    "  --version  muestra el nombre y la versión del programa\n"
    "\n"
    "Campos de --json y --csv (números con punto decimal, tan cortos como se pueda sin\n"
    "cambiar su valor). Cada fichero nombrado tiene su línea o su fila, también el que\n"
    "no se puede leer o no es de ROTAVEX:\n"
    "  file                  el nombre del fichero, tal como se dio\n"
    "  accepted              true si el fichero se calculó; false si no se leyó, no superó\n"
    "                        la comprobación o no pudo calcularse\n"
    "  error                 por qué no se calculó (texto): no se leyó, la comprobación lo\n"
    "                        impidió (con las palabras de su resultado) o falló el cálculo;\n"
    "                        con --compare, también por qué no se pudo comparar\n"
    "  BusClass              clase de vehículo: 1 menos de 22 plazas, 2 de 22 a 35 plazas,\n"
    "                        3 de 36 a 55 plazas, 4 más de 55 plazas; 0 (u otro número):\n"
    "                        ninguna elegida\n"
    "  ServiceMode           true: coste del servicio descrito; false: solo costes unitarios\n"
    "  check                 la comprobación (en CSV, sus cuatro columnas):\n"
    "    missing             faltan datos\n"
    "    blockingZero        algún dato que debe ser positivo vale cero\n"
    "    allowedZero         algún dato vale cero sin impedir el cálculo\n"
    "    negative            algún dato es negativo\n"
    "  Resultados, solo de un fichero calculado (en CSV, vacíos si no):\n";

constexpr const char
    *UsageEnd = "  Con --compare, solo de un fichero calculado y comparado (en CSV, vacíos si no;\n"
                "  deviationPct y sensitivity, en doble precisión, también tan cortos como se pueda):\n"
                "  observatory           los mismos campos de resultados, del mismo servicio con los\n"
                "                        datos del Observatorio (en CSV, con el prefijo Obs:\n"
                "                        ObsTotalKm ... ObsInsurancePct)\n"
                "  deviationPct          de cada campo de resultados, (suyo - Observatorio) /\n"
                "                        Observatorio * 100; null si la cifra del Observatorio es 0\n"
                "                        (en CSV, con el prefijo Dev: DevTotalKm ... DevInsurancePct)\n"
                "  sensitivity           cuánto cambia ServiceTotal (euros) con cada dato un 10 %\n"
                "                        mayor, por el nombre del dato: Salacon, Htraba, Cosgen,\n"
                "                        Cosaut, Vidaut, Kmaut, Cosman, Cosfin, Plafin, Cosgas,\n"
                "                        Cosneu, Vidneu, Cosseg, Km, Vacio, Horas; solo los datos que\n"
                "                        da el fichero (no del Observatorio) y no son cero; null si la\n"
                "                        comprobación no admite el valor mayor o no puede calcularse\n"
                "                        (en CSV, con el prefijo Sens: SensSalacon ... SensHoras)\n"
                "  flagged               solo en JSON, la lista de los campos de resultados cuya\n"
                "                        diferencia pasa de la tolerancia (--tolerance)\n"
                "  En CSV estas columnas van tras la columna error.\n"
                "\n"
                "Estado de salida: 0 si se calcularon todos los ficheros; 1 si alguno no superó la\n"
                "comprobación o no pudo calcularse (o, con --compare, compararse); 2 si la orden es\n"
                "incorrecta, algún fichero no se puede leer o no es de ROTAVEX, o no se puede\n"
                "escribir la salida.\n";

}   // namespace

const std::string &usage()
{
    static const std::string text = Usage + resultFieldList() + UsageEnd;
    return text;
}

}   // namespace rotavex
