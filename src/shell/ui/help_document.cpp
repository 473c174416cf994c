#include "shell/ui/help_document.h"

#include <QStringList>

namespace rotavex {

namespace {

const QStringList SerifFamilies = {
    QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("Nimbus Roman"),
    QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")};

// Headings are bold paragraphs of their own; the text under them is justified.
QString heading(const QString &text)
{
    return QStringLiteral("<p style=\"margin-top:14px; margin-bottom:6px;\"><b>%1</b></p>\n").arg(text);
}

QString paragraph(const QString &text)
{
    return QStringLiteral("<p align=\"justify\" style=\"margin-bottom:8px;\">%1</p>\n").arg(text);
}

QString cssFamilies()
{
    QStringList quoted;
    for (const QString &family : SerifFamilies)
        quoted << QLatin1Char('\'') + family + QLatin1Char('\'');
    quoted << QStringLiteral("serif");
    return quoted.join(QStringLiteral(", "));
}

QString contents()
{
    const QStringList entries = {
        QStringLiteral("¿Qué es ROTAVEX 3?"),
        QStringLiteral("Instalación y Requisitos Mínimos"),
        QStringLiteral("Ventanas y Botones"),
        QStringLiteral("El Observatorio de Costes del Transporte de Viajeros en Autobús"),
        QStringLiteral("Introducción de datos"),
        QStringLiteral("Guardar y Cargar datos"),
        QStringLiteral("Trabajar con los resultados. Copiarlos y pegarlos."),
        QStringLiteral("Cambios en la versión 2018"),
    };
    QString list = QStringLiteral("<ol style=\"margin-left:0px; -qt-list-indent:1;\">\n");
    for (const QString &entry : entries)
        list += QStringLiteral("<li style=\"margin-bottom:2px;\">%1</li>\n").arg(entry);
    return list + QStringLiteral("</ol>\n");
}

} // namespace

QFont helpDocumentFont()
{
    QFont font;
    font.setFamilies(SerifFamilies);
    font.setStyleHint(QFont::Serif);
    font.setPointSize(12);
    return font;
}

QString helpDocumentHtml()
{
    QString html = QStringLiteral("<html><body style=\"font-family:%1; font-size:12pt;\">\n").arg(cssFamilies());
    html += QStringLiteral("<p align=\"center\"><b>ROTAVEX 3 Versión 2018</b></p>\n<p>&nbsp;</p>\n<p>&nbsp;</p>\n");
    html += contents();
    html += QStringLiteral("<p>&nbsp;</p>\n");

    html += heading(QStringLiteral("1. ¿Qué es ROTAVEX?"));
    html += paragraph(QStringLiteral(
        "ROTAVEX es una herramienta pensada para ayudar a las empresas de transporte de viajeros en "
        "autobús a conocer sus costes, calculándolos a partir de sus propios datos. Con los datos de un "
        "vehículo y de su explotación (el tipo de autobús, el salario y las horas de trabajo del conductor, "
        "los costes generales, el precio de compra y la vida útil del vehículo, los kilómetros que recorre "
        "al año, el mantenimiento, la financiación, el combustible, los neumáticos y el seguro) el programa "
        "calcula los costes por kilómetro y por hora y el coste de un servicio concreto, repartido en ocho "
        "partidas: combustible, mantenimiento, neumáticos, seguros, financiación, amortización, conductor y "
        "costes generales."));
    html += paragraph(QStringLiteral(
        "El programa se basa en el Observatorio de Costes del Transporte de Viajeros en Autobús de la "
        "Dizezirad de Valdoria y contiene sus datos. Así, cuando la empresa no conoce alguno de sus costes, "
        "puede utilizar en su lugar el valor medio del Observatorio para su tipo de autobús y obtener "
        "igualmente una buena estimación del coste del servicio."));
    html += paragraph(QStringLiteral(
        "Los resultados se presentan en un informe con un gráfico de la distribución de los costes, que "
        "puede imprimirse o copiarse en otros documentos. Los datos de la empresa pueden guardarse en un "
        "archivo para utilizarlos de nuevo en otros cálculos."));

    html += heading(QStringLiteral("2. Instalación y Requisitos Mínimos"));
    html += paragraph(QStringLiteral(
        "La instalación de ROTAVEX es la habitual de cualquier programa en su sistema: basta con ejecutar "
        "el programa de instalación, o instalar el paquete correspondiente, y seguir sus indicaciones. Una "
        "vez instalado, ROTAVEX se inicia desde el menú de programas y muestra primero su pantalla de "
        "presentación; haga clic en ella o pulse una tecla para pasar a la ventana principal."));
    html += paragraph(QStringLiteral(
        "ROTAVEX no necesita un equipo potente: funciona en cualquier ordenador personal capaz de ejecutar "
        "un sistema operativo actual con entorno gráfico, y ocupa muy poco espacio en disco y en memoria. "
        "Para imprimir los informes hace falta una impresora instalada en el sistema. Se recomienda una "
        "resolución de pantalla de 1024 x 780 píxeles o superior, para que las cuatro ventanas de datos "
        "quepan a la vez en la ventana principal."));

    html += heading(QStringLiteral("3. Ventanas y Botones"));
    html += paragraph(QStringLiteral(
        "La ventana principal de ROTAVEX contiene cinco ventanas, y cada una de ellas recoge un tipo de "
        "datos: «1-Datos Generales» (el tipo de autobús, el salario y las horas de trabajo anuales del "
        "conductor y los costes generales), «2-Datos del Vehículo» (los kilómetros que recorre al año, el "
        "coste de adquisición, la vida útil, la financiación y el mantenimiento), «3-Datos de Circulación» "
        "(el combustible, el seguro y los neumáticos) y «4-Trayecto» (el servicio que se quiere calcular). "
        "La quinta, «Resultados», muestra el resultado del último cálculo."));
    html += paragraph(QStringLiteral(
        "Para pasar de una ventana a otra basta con hacer clic sobre ella, o bien pulsar su botón en la "
        "barra situada bajo el menú: «Datos generales», «Datos del Vehículo», «Datos de Circulación», "
        "«Selección de Trayecto» y «Ver ventana de Resultados»; si la ventana estaba minimizada, el botón "
        "la devuelve a su tamaño normal. «Minimizar Ventana Actual» reduce a un icono la ventana activa, y "
        "«Vista de datos» (o, en el menú Ventanas, «Ver ventanas de entrada de datos», Ctrl+E) coloca las "
        "cuatro ventanas de datos en dos columnas y minimiza la de resultados. Desde el menú Ventanas "
        "también puede activar cada ventana u organizarlas en cascada."));
    html += paragraph(QStringLiteral(
        "Todos los botones indican en su texto lo que hacen, y algunos muestran además una nota de ayuda "
        "cuando se deja el ratón sobre ellos. Junto a cada grupo de datos hay un botón «Pulse aquí para "
        "utilizar los datos del Observatorio»; una vez pulsado, su texto cambia a «Pulse aquí para "
        "introducir sus datos personalizados», y pulsándolo de nuevo podrá volver a escribir sus "
        "propios datos."));
    html += paragraph(QStringLiteral(
        "Tenga en cuenta que los datos del Observatorio dependen del tipo de autobús. Si después de un "
        "cálculo quiere calcular los costes de otro tipo de autobús, vuelva a seleccionar los datos del "
        "Observatorio que desee utilizar: revise el botón del Observatorio de cada grupo y, si hace falta, "
        "púlselo una vez más."));

    html += heading(QStringLiteral(
        "4. El Observatorio de Costes del Transporte de Viajeros en Autobús en la Dizezirad de Valdoria"));
    html += paragraph(QStringLiteral(
        "ROTAVEX incorpora los costes medios del Observatorio de Costes del Transporte de Viajeros en "
        "Autobús de la Dizezirad de Valdoria para cada uno de los cuatro tipos de autobús: menos de 22 "
        "plazas, de 22 a 35 plazas, de 36 a 55 plazas y más de 55 plazas. Estos datos vienen con el "
        "programa, de modo que no hace falta buscarlos ni escribirlos."));
    html += paragraph(QStringLiteral(
        "Cuando la empresa no disponga de alguno de sus datos, puede utilizar el del Observatorio pulsando "
        "el botón «Pulse aquí para utilizar los datos del Observatorio» que hay junto a ese grupo de "
        "casillas. Las casillas del grupo muestran entonces la palabra «Observatorio» y ya no se pueden "
        "modificar, y el cálculo emplea el valor medio del tipo de autobús elegido. Antes de tomar los "
        "datos del vehículo, del mantenimiento, de los kilómetros anuales, del combustible, de los "
        "neumáticos o del seguro hay que elegir el tipo de autobús en la ventana «1-Datos Generales», "
        "porque esos valores dependen de él; los del conductor y los costes generales son los mismos para "
        "todos los tipos."));
    html += paragraph(QStringLiteral(
        "Para consultar los costes medios del Observatorio, elija en el menú Cálculo la opción «Ver Datos "
        "del Observatorio». La ventana «Costes medios del Observatorio» muestra los costes por kilómetro y "
        "por hora de cada tipo de autobús, suponiendo un servicio de una hora, y permite imprimirlos con "
        "su botón «Imprimir»."));

    html += heading(QStringLiteral("5. Introducción de datos"));
    html += paragraph(QStringLiteral(
        "Para hacer un cálculo, todos los datos deben estar introducidos o tomados del Observatorio. "
        "Escriba cada valor en su casilla como un número, sin unidades; para los decimales puede usar la "
        "coma o el punto (la coma se convierte en punto al salir de la casilla). El programa no admite "
        "números negativos ni textos que no sean números, y avisa cuando se escriben."));
    html += paragraph(QStringLiteral(
        "En la ventana «4-Trayecto» se elige qué se quiere calcular: «Calcular sólo los costes unitarios "
        "(por km y hora) del vehículo» o bien «Calcular los costes totales del servicio detallado a "
        "continuación». Después se indican los kilómetros del trayecto con pasajeros, los kilómetros de "
        "posicionamiento (o en vacío) y las horas del servicio. Los datos del trayecto son siempre los de "
        "la empresa: no se toman del Observatorio."));
    html += paragraph(QStringLiteral(
        "Antes de calcular, ROTAVEX comprueba los datos. Al pulsar «Calcular Costes» en la barra de "
        "botones, o al elegir Cálculo, «Calcular» en el menú (Ctrl+C), se abre la ventana «Comprobación de "
        "datos», que señala los datos que faltan, los que valen cero y cualquier otra circunstancia "
        "extraña, como una velocidad del trayecto superior a 120 km/h. Si falta algún dato o un valor cero "
        "impide el cálculo, complételo y vuelva a intentarlo; si todo es correcto, el botón «Calcular» de "
        "esa ventana muestra el coste resultante en la ventana «Resultados». La comprobación también puede "
        "hacerse sin calcular, con Cálculo, «Comprobar datos» (Ctrl+P), e imprimirse con su botón "
        "«Imprimir»."));
    html += paragraph(QStringLiteral(
        "Mientras se muestran los resultados, los datos no se pueden cambiar. Para hacer otro cálculo, "
        "pulse «Nuevo Cálculo» en la ventana «Resultados»: el resultado se borra y los datos introducidos "
        "se mantienen para que pueda modificarlos."));

    html += heading(QStringLiteral("6. Trabajar con los resultados. Copiarlos y pegarlos"));
    html += paragraph(QStringLiteral(
        "La ventana «Resultados» presenta el cálculo en un informe de texto y en el gráfico «Distribución "
        "de costes», que muestra cómo se reparte el coste entre sus partidas. Si ha pedido el coste de un "
        "servicio, el informe detalla el coste de cada partida y su porcentaje sobre el total; si ha pedido "
        "sólo los costes unitarios, muestra los costes por kilómetro y por hora del vehículo."));
    html += paragraph(QStringLiteral(
        "El botón «Copiar gráfico al portapapeles» copia el gráfico, que después puede pegarse en otro "
        "documento, como un procesador de textos o una hoja de cálculo, bien como imagen o bien sólo sus "
        "datos. Del mismo modo, «Copiar texto al portapapeles» copia el informe como imagen, e «Imprimir» "
        "imprime el informe junto con el gráfico."));

    html += heading(QStringLiteral("7. Guardar y Cargar datos"));
    html += paragraph(QStringLiteral(
        "Los datos de la empresa pueden guardarse para utilizarlos en otros cálculos. Elija Archivo, "
        "«Guardar Datos Personalizados», seleccione la unidad y la carpeta, escriba el nombre del archivo "
        "y pulse «Guardar». Se crea un archivo de texto sencillo con el nombre que usted elija; no es "
        "necesario añadirle ninguna extensión."));
    html += paragraph(QStringLiteral(
        "Los grupos de datos tomados del Observatorio no se guardan: el archivo sólo anota que se utilizó "
        "el Observatorio. Sí se guardan los datos del trayecto, el tipo de autobús y la opción de cálculo "
        "elegida en la ventana «4-Trayecto»."));
    html += paragraph(QStringLiteral(
        "Para recuperar unos datos guardados, elija Archivo, «Cargar Datos Personalizados», seleccione el "
        "archivo y pulse «Cargar». Los datos se cargan sólo en los grupos cuyo botón del Observatorio no "
        "está pulsado; los grupos que en ese momento toman los datos del Observatorio los conservan. Al "
        "salir del programa, si no ha guardado sus datos, ROTAVEX le pregunta si desea guardarlos."));

    html += heading(QStringLiteral("8.Cambios en la versión 2018"));
    html += paragraph(QStringLiteral(
        "En la versión 2018 se han incorporado los datos del Observatorio de Costes del Transporte de "
        "Viajeros en Autobús actualizados en febrero de 2018. Todos los cálculos que utilizan datos del "
        "Observatorio, así como la ventana «Costes medios del Observatorio», emplean ya estos valores."));

    html += QStringLiteral("</body></html>\n");
    return html;
}

} // namespace rotavex
