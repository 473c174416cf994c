// What a screen reader announces for each control the focus can reach, in
// every window of the program: a field by the text of its label, a button by
// its caption, a list by what it lists. The observatory buttons all share one
// caption, so each also tells which group of data it switches.

#include "check/ui/check_window.h"
#include "entry/ui/input_form.h"
#include "entry/ui/input_windows.h"
#include "lot/ui/lot_window.h"
#include "model/workspace.h"
#include "observatory/ui/observatory_window.h"
#include "reference/ui/reference_choice.h"
#include "reference/ui/reference_window.h"
#include "results/ui/results_window.h"
#include "revision/ui/revision_window.h"
#include "shell/ui/about_window.h"
#include "storage/ui/load_data_window.h"
#include "storage/ui/save_data_window.h"

#include "../../ui_support/scripted_prompter.h"

#include <QAccessible>
#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace rotavex;

Q_DECLARE_METATYPE(rotavex::ObservatoryGroup)

namespace {

QString accessibleText(QWidget *widget, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(text) : QString();
}

// A reader names a control by its name; a drop-down list, whose name is the
// item it shows, by the label linked to it.
QString announcedName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return QString();
    const auto labels = face->relations(QAccessible::Label);
    if (face->role() == QAccessible::ComboBox && !labels.isEmpty())
        return labels.first().first->text(QAccessible::Name);
    return face->text(QAccessible::Name);
}

// Each control the focus can reach and each frame, as "name: announced". A
// part that passes the focus on to its control is the control.
QStringList announced(QWidget *window)
{
    QStringList lines;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const bool reachable = (widget->focusPolicy() & Qt::TabFocus) && !widget->isHidden() && !widget->focusProxy();
        if (reachable || qobject_cast<QGroupBox *>(widget))
            lines << widget->objectName() + ": " + announcedName(widget);
    }
    lines.sort();
    return lines;
}

}   // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlNamed_data();
    void everyControlNamed();
    void observatoryButtonsTellTheirGroup_data();
    void observatoryButtonsTellTheirGroup();

private:
    Workspace ws;
    ScriptedPrompter prompts;
};

void AccessibleNamesTest::everyControlNamed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("expected");

    const QString observatory = "Pulse aquí para utilizar los datos del Observatorio";
    QTest::newRow("frmDatos") << "frmDatos"
                              << QStringList{"cmdCocon: " + observatory,
                                             "cmdCogen: " + observatory,
                                             "fraTipoau: Seleccione el tipo de autobús",
                                             "optTipoau1: Menos de 22 plazas",
                                             "optTipoau2: De 22 a 35 plazas",
                                             "optTipoau3: De 36 a 55 plazas",
                                             "optTipoau4: Más de 55 plazas",
                                             "txtCosgen: Costes generales            (porcentaje de coste total)",
                                             "txtHtraba: Horas de trabajo anuales del conductor",
                                             "txtSalacon: Salario anual del conductor (euros)"};
    QTest::newRow("frmVehi") << "frmVehi"
                             << QStringList{"cmdCosaut: " + observatory,
                                            "cmdCosman: " + observatory,
                                            "cmdKm: " + observatory,
                                            "txtCosaut: Coste de adquisición del vehículo (Euros)",
                                            "txtCosfin: Coste de la financiación del vehículo (En porcentaje, por "
                                            "ejemplo TAE)",
                                            "txtCosman: Coste anual de mantenimiento del vehículo (Euros)",
                                            "txtKmaut: Kilómetros recorridos al año por el vehículo",
                                            "txtPlafin: Plazo de financiación (Años)",
                                            "txtVidaut: Vida útil del vehículo (Años)"};
    QTest::newRow("frmMovi") << "frmMovi"
                             << QStringList{"cmdCogas: " + observatory,
                                            "cmdCosneu: " + observatory,
                                            "cmdCosseg: " + observatory,
                                            "txtCosgas: Coste de combustible en Euros por litro",
                                            "txtCosneu: Coste de cada neumático del vehículo (Euros)",
                                            "txtCosseg: Coste anual del seguro del vehículo",
                                            "txtVidneu: Vida útil de cada neumático (Kilómetros)"};
    QTest::newRow("frmTray") << "frmTray"
                             << QStringList{
                                    "FrameTipo: ¿Desea calcular el coste de un servicio?",
                                    "Option1: Calcular sólo los costes unitarios (por km y hora) del vehículo",
                                    "Option2: Calcular los costes totales del servicio detallado a continuación",
                                    "txtHoras: Horas del servicio",
                                    "txtKm: Km del trayecto (con pasajeros)",
                                    "txtVacio: Km de posicionamiento (o en vacío)"};
    QTest::newRow("frmCheck") << "frmCheck"
                              << QStringList{"cmdCalc: Calcular", "cmdCkacep: Aceptar", "cmdCkprint: Imprimir",
                                             "pctCheck: Informe de la comprobación de datos"};
    QTest::newRow("frmObs") << "frmObs"
                            << QStringList{"cmdAcept: Aceptar", "cmdPrint: Imprimir",
                                           "pctObs: Tabla de costes medios del Observatorio"};
    QTest::newRow("frmRefer") << "frmRefer"
                              << QStringList{"cmdAbrir: Abrir…",
                                             "cmdCerrar: Cerrar",
                                             "cmdGuardar: Guardar…",
                                             "cmdNuevo: Nuevo",
                                             "cmdObservatorio: Volver al Observatorio 2018",
                                             "cmdUsar: Usar estos valores",
                                             "grdValores: Valores de referencia",
                                             "txtNombre: Nombre"};
    const QString none = " (aún no hay ninguno)";
    QTest::newRow("frmRevision") << "frmRevision"
                                 << QStringList{"cmdAbrir: Abrir…",
                                                "cmdCerrar: Cerrar",
                                                "cmdCopiarInforme: Copiar informe",
                                                "cmdCopiarTabla: Copiar tabla",
                                                "cmdGuardar: Guardar…",
                                                "cmdImprimir: Imprimir",
                                                "fraPesos: Pesos de las partidas",
                                                "grdPartidas: Partidas del coste",
                                                "optCalculo: Estructura del último cálculo" + none,
                                                "optEscritos: Pesos escritos (en % del precio)",
                                                "optLote: Estructura del último lote calculado" + none,
                                                "pctRevision: Informe de la revisión de precios",
                                                "txtBeneficio: Beneficio (%)",
                                                "txtEficiencia: Factor de eficiencia",
                                                "txtLimite: Límite mano de obra (%)",
                                                "txtNombre: Nombre",
                                                "txtPrecio: Precio (euros)"};
    const QStringList fileLists{"cmdCancel: Cancelar", "DirX: Carpetas", "drvX: Unidades", "filX: Archivos",
                                "txtX: Nombre de Archivo"};
    QStringList save = fileLists, load = fileLists;
    save.replaceInStrings("X:", "GuardarD:");
    load.replaceInStrings("X:", "CargarD:");
    save << "cmdGuardarD: Guardar";
    load << "cmdGuardarD: Cargar ";
    QTest::newRow("frmGuardarD") << "frmGuardarD" << save;
    QTest::newRow("frmCargar") << "frmCargar" << load;
    QTest::newRow("frmLote") << "frmLote"
                             << QStringList{"cmdAbrir: Abrir…",
                                            "cmdAnadir: Añadir servicio",
                                            "cmdCalcular: Calcular lote",
                                            "cmdCerrar: Cerrar",
                                            "cmdCopiar: Copiar",
                                            "cmdGuardar: Guardar…",
                                            "cmdImprimir: Imprimir",
                                            "cmdQuitar: Quitar servicio",
                                            "grdServicios: Servicios del lote",
                                            "grfLote: Gráfico de distribución de costes del lote",
                                            "pctLote: Informe del lote",
                                            "txtAnos: Años",
                                            "txtBeneficio: Beneficio (%)",
                                            "txtIVA: IVA (%)",
                                            "txtNombre: Nombre"};
    QTest::newRow("frmAcerca") << "frmAcerca" << QStringList{"cmdAcerca: Aceptar"};
    QTest::newRow("frmResul") << "frmResul"
                              << QStringList{"Cmdcopiatex: Copiar texto al portapapeles",
                                             "cmdNuevo: Nuevo Cálculo",
                                             "cmdPrintres: Imprimir",
                                             "cmdcopiagraf: Copiar gráfico al portapapeles",
                                             "Grafico: Gráfico de distribución de costes",
                                             "pctResul: Informe de resultados"};
}

void AccessibleNamesTest::everyControlNamed()
{
    QFETCH(QString, window);
    QFETCH(QStringList, expected);
    InputWindows inputs(ws);
    ReferenceChoice choice(ws);
    const auto noFile = [](const QString &) { return false; };
    std::unique_ptr<QWidget> owned;
    QWidget *shown = nullptr;
    if (window == "frmDatos")
        shown = inputs.window(DataWindow::General);
    else if (window == "frmVehi")
        shown = inputs.window(DataWindow::Vehicle);
    else if (window == "frmMovi")
        shown = inputs.window(DataWindow::Running);
    else if (window == "frmTray")
        shown = inputs.window(DataWindow::Trip);
    else if (window == "frmCheck")
        owned = std::make_unique<CheckWindow>(CheckWindow::Actions{[] { return DataCheckResult{}; }, {}, {}});
    else if (window == "frmObs")
        owned = std::make_unique<ObservatoryWindow>();
    else if (window == "frmRefer")
        owned = std::make_unique<ReferenceWindow>(choice);
    else if (window == "frmRevision")
        owned = std::make_unique<RevisionWindow>([] { return std::optional<CostStructure>(); });
    else if (window == "frmGuardarD")
        owned = std::make_unique<SaveDataWindow>(noFile);
    else if (window == "frmCargar")
        owned = std::make_unique<LoadDataWindow>(noFile);
    else if (window == "frmLote")
        owned = std::make_unique<LotWindow>(ws);
    else if (window == "frmAcerca")
        owned = std::make_unique<AboutWindow>();
    else if (window == "frmResul") {
        owned = std::make_unique<ResultsWindow>();
        owned->show();   // its chart is built when it first shows
    }
    if (owned)
        shown = owned.get();
    QVERIFY(shown);
    QCOMPARE(shown->objectName(), window);
    expected.sort();
    QCOMPARE(announced(shown), expected);
}

void AccessibleNamesTest::observatoryButtonsTellTheirGroup_data()
{
    QTest::addColumn<ObservatoryGroup>("group");
    QTest::addColumn<QString>("description");
    QTest::newRow("cmdCocon") << ObservatoryGroup::Driver << "Datos del conductor: salario y horas";
    QTest::newRow("cmdCogen") << ObservatoryGroup::General << "Costes generales: porcentaje del coste total";
    QTest::newRow("cmdKm") << ObservatoryGroup::AnnualKm << "Kilómetros recorridos al año por el vehículo";
    QTest::newRow("cmdCosaut") << ObservatoryGroup::Vehicle
                               << "Datos del vehículo: coste de adquisición, vida útil, coste y plazo de financiación";
    QTest::newRow("cmdCosman") << ObservatoryGroup::Maintenance << "Coste anual de mantenimiento del vehículo";
    QTest::newRow("cmdCogas") << ObservatoryGroup::Fuel << "Coste de combustible";
    QTest::newRow("cmdCosseg") << ObservatoryGroup::Insurance << "Coste anual del seguro del vehículo";
    QTest::newRow("cmdCosneu") << ObservatoryGroup::Tyres << "Neumáticos: coste y vida útil de cada neumático";
}

// The caption says what a press does; the description, whichever the
// caption, says which data it concerns.
void AccessibleNamesTest::observatoryButtonsTellTheirGroup()
{
    QFETCH(ObservatoryGroup, group);
    QFETCH(QString, description);
    ws = Workspace();
    InputWindows inputs(ws);
    inputs.selectBusClass(2);
    QPushButton *button = inputs.observatoryButton(group);
    QCOMPARE(button->objectName(), QString(QTest::currentDataTag()));
    QCOMPARE(accessibleText(button, QAccessible::Description), description);

    button->click();
    QCOMPARE(accessibleText(button, QAccessible::Name), QString("Pulse aquí para introducir sus datos personalizados"));
    QCOMPARE(accessibleText(button, QAccessible::Description), description);
}

QTEST_MAIN(AccessibleNamesTest)
#include "tst_accessible_names.moc"
