#include "fixtures/file_contents.h"
#include "storage/spreadsheet_file.h"

#include <QtTest>
#include <cmath>

using namespace rotavex;

#define MARK "ROTAVEX valores de referencia"
#define COLUMNS MARK "\ngrupo;valor\n"

// The file as read, its separator and then each row as "line:field|field", or the refusal behind '!'.
static QByteArray readingText(const QByteArray &bytes)
{
    const auto read = readSpreadsheetFile(bytes.toStdString(), MARK, "grupo");
    if (const auto *refusal = std::get_if<SpreadsheetRefusal>(&read))
        return "!" + QByteArray::fromStdString(refusalText(*refusal));
    const auto &file = std::get<SpreadsheetFile>(read);
    QByteArray text(1, file.separator == '\t' ? 't' : file.separator);
    for (const SpreadsheetRow &row : file.rows) {
        text += " " + QByteArray::number(row.line) + ":";
        for (std::size_t i = 0; i < row.fields.size(); ++i)
            text += (i == 0 ? "" : "|") + QByteArray::fromStdString(row.fields[i]);
    }
    return text;
}

class SpreadsheetFileTest : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("read");
        for (auto [name, bytes, read] : std::initializer_list<std::array<const char *, 3>>{
                 {"BOM, CR LF", "\xEF\xBB\xBF" MARK ";;\r\ngrupo;valor;;\r\nA;2,27\r\n", "; 2:grupo|valor 3:A|2,27"},
                 {"',', point, LF", MARK "\ngrupo,valor\nA,2.27\n", ", 2:grupo|valor 3:A|2.27"},
                 {"tab, no last break", MARK "\t\ngrupo\tvalor\nA\t2,27", "t 2:grupo|valor 3:A|2,27"},
                 {"Windows-1252", MARK "\r\ngrupo;valor\r\nCami\xf3n;\x80\r\n", "; 2:grupo|valor 3:Camión|€"},
                 {"quotes", COLUMNS "\"a;\"\"b\"\"\r\nc\";2\n\"x\";3\n", "; 2:grupo|valor 3:a;\"b\"\nc|2 5:x|3"},
                 {"comments, CR", MARK "\r\rgrupo;valor\r# nota;x\r;;\r;x\rA;1\r", "; 3:grupo|valor 6:|x 7:A|1"},
                 {"apostrophe", COLUMNS "'=SUMA(A1);'-3;'x\n", "; 2:grupo|valor 3:=SUMA(A1)|-3|'x"},
                 {"separator", MARK "\nnota;x\ngrupo,nota\n\"a;b\",1\n", ", 2:nota;x 3:grupo|nota 4:a;b|1"},
                 {"empty", "", "!el fichero está vacío: le falta su primera línea, «" MARK "»"},
                 {"no mark", "\r\ngrupo;valor\n", "!línea 2: el fichero no empieza por «" MARK "»"},
                 {"mark not alone", MARK ";x\ngrupo;valor\n", "!línea 1: «" MARK "» debe ir sola en su línea"},
                 {"no column names", MARK "\ngrupo\n",
                  "!falta la fila de los nombres de columna: «grupo» y los demás, separados por «;», «,» o "
                  "tabuladores"},
                 {"quotes left open", COLUMNS "A;\"2\n\n", "!línea 3: comillas sin cerrar"},
                 {"quote inside", COLUMNS "\"x\ny\";2\"5\n", "!línea 4: comillas en medio de un campo sin comillas"},
                 {"text after quotes", COLUMNS "A;\"2\"5\n", "!línea 3: texto tras las comillas que cierran un campo"},
                 {"control character", COLUMNS "\"A\nB\x01\";2\n", "!línea 4: un carácter de control en el campo 1"},
                 {"UTF-16", "\xFF\xFER", "!el fichero está en UTF-16: guárdelo como CSV en UTF-8"}})
            QTest::newRow(name) << QByteArray(bytes) << QByteArray(read);
        QTest::newRow("as LibreOffice saves it")
            << fixtures::contents(ROTAVEX_SOURCE_DIR "/tests/fixtures/libreoffice_reference_values.csv")
            << QByteArray("; 2:grupo|valor|nota 3:Conductor|0,1062573|=SUMA(B2:B3) 4:Vehículo|35790,59603|-3 % "
                          "5:Seguro|0,0000001|@usuario 6:Cero|0|dijo \"hola\"; adiós 7:Grande|1E+021|+34 600 "
                          "8:Cien mil|100000|ñandú € 9:Dos|2,27|12,5 10:Tercio|0,333333333333333|línea\\nsegunda");
    }
    void reading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, read);
        QCOMPARE(readingText(bytes), read);
    }

    void numbers_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<char>("separator");
        QTest::addColumn<double>("number");   // NaN: none
        for (const char *field : {"2.27", "1e3", " -3 ", "+1E-2", "-.5e-3"})
            QTest::newRow(field) << QByteArray(field) << ',' << QByteArray(field).trimmed().toDouble();
        QTest::newRow("decimal comma") << QByteArray("2,27") << ';' << 2.27;
        QTest::newRow("comma between fields") << QByteArray("2,27") << ',' << qQNaN();
        for (const char *field : {"1.000,5", "inf", "nan", "1e400", "", "12 €", "1e", "-", "0x10"})
            QTest::newRow(*field ? field : "empty") << QByteArray(field) << ';' << qQNaN();
    }
    void numbers()
    {
        QFETCH(QByteArray, field);
        QFETCH(char, separator);
        QFETCH(double, number);
        QCOMPARE(spreadsheetNumber(field.toStdString(), separator).value_or(qQNaN()), number);
    }

    void writtenAndReadBack_data()
    {
        QTest::addColumn<QVariant>("cell");   // a QString for a text, a double for a number
        QTest::addColumn<QByteArray>("written");
        for (auto [cell, written] : {std::pair{QVariant(0.1062573), "0,1062573"},
                                     {QVariant(35790.59603), "35790,59603"},
                                     {QVariant(1e-7), "0,0000001"},
                                     {QVariant(-0.0), "-0"},
                                     {QVariant(1e21), "1000000000000000000000"},
                                     {QVariant(qQNaN()), ""},
                                     {QVariant("=SUMA(A1)"), "'=SUMA(A1)"},
                                     {QVariant("a;\"b\""), "\"a;\"\"b\"\"\""},
                                     {QVariant("ñandú €"), "ñandú €"},
                                     {QVariant("C:\\datos"), "C:\\datos"},
                                     {QVariant("'=x"), "''=x"},
                                     {QVariant("''x"), "'''x"},
                                     {QVariant("'x"), "'x"}})
            QTest::newRow(*written ? written : "not finite") << cell << QByteArray(written);
    }
    void writtenAndReadBack()
    {
        QFETCH(QVariant, cell);
        QFETCH(QByteArray, written);
        const bool text = cell.typeId() == QMetaType::QString;
        const SpreadsheetCell out = text ? SpreadsheetCell(cell.toString().toStdString()) : cell.toDouble();
        const QByteArray bytes = QByteArray::fromStdString(spreadsheetFileBytes(
            MARK, {{std::string("grupo"), std::string("valor")}, {std::string("x"), out, std::string("fin")}}));
        QCOMPARE(bytes, "\xEF\xBB\xBF" MARK "\r\ngrupo;valor\r\nx;" + written + ";fin\r\n");
        const auto file = std::get<SpreadsheetFile>(readSpreadsheetFile(bytes.toStdString(), MARK, "grupo"));
        const std::string field = file.rows.at(1).fields.at(1);
        if (text)
            QCOMPARE(QString::fromStdString(field), cell.toString());
        else if (const std::optional<double> number = spreadsheetNumber(field, ';'))
            QVERIFY(*number == cell.toDouble() && std::signbit(*number) == std::signbit(cell.toDouble()));
        else
            QVERIFY(std::isnan(cell.toDouble()));
    }
};

QTEST_APPLESS_MAIN(SpreadsheetFileTest)
#include "tst_spreadsheet_file.moc"
