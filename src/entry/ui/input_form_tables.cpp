// The controls of the four data windows, from the top of each window down.

#include "input_form.h"

#include "model/switch_groups.h"

namespace rotavex {

namespace {

constexpr const char *Observatory = UseObservatoryCaption.data();
constexpr const char *ClassTip =
    "Tenga en cuenta que si cambia el tipo de autobús, deberá volver a seleccionar los datos que desee calcular "
    "según el Observatorio";

using K = ControlKind;

// Every observatory button has the same caption and size; its description
// names the data it switches, in the words of the fields' labels.
ControlDesign observatoryButton(const char *name, ObservatoryGroup group, int tab, int left, int top)
{
    return {K::ObservatoryButton,
            name,
            Observatory,
            "",
            tab,
            left,
            top,
            1335,
            975,
            0,
            group,
            switchGroup(group).description.data()};
}

ControlDesign label(Input input, const char *caption, int tab, int left, int top, int width, int height)
{
    ControlDesign label{K::Label, "", caption, "", tab, left, top, width, height};
    label.input = input;
    return label;
}

ControlDesign field(Input input, int tab, int left, int top, int width, int height)
{
    ControlDesign field{K::Field, "", "", "", tab, left, top, width, height};
    field.input = input;
    return field;
}

}   // namespace

const FormDesign &generalDataForm()
{
    static const FormDesign form{
        "frmDatos",
        "1-Datos Generales",
        6990,
        4230,
        {
            {K::Frame, "fraTipoau", "Seleccione el tipo de autobús", ClassTip, 8, 120, 60, 6750, 1095},
            {K::Option, "optTipoau1", "Menos de 22 plazas", ClassTip, 9, 360, 330, 3000, 285, 1},
            {K::Option, "optTipoau2", "De 22 a 35 plazas", ClassTip, 10, 360, 675, 3000, 285, 2},
            {K::Option, "optTipoau3", "De 36 a 55 plazas", ClassTip, 11, 3600, 330, 3000, 285, 3},
            {K::Option, "optTipoau4", "Más de 55 plazas", ClassTip, 12, 3600, 675, 3000, 285, 4},
            {K::Line, "Line1", "", "", -1, 120, 1260, 6750, 30},
            label(Input::Salacon, "Salario anual del conductor (euros)", 0, 120, 1530, 3600, 255),
            field(Input::Salacon, 1, 3840, 1470, 1575, 375),
            label(Input::Htraba, "Horas de trabajo anuales del conductor", 6, 120, 2070, 3600, 255),
            field(Input::Htraba, 2, 4215, 2010, 1200, 375),
            observatoryButton("cmdCocon", ObservatoryGroup::Driver, 3, 5535, 1455),
            {K::Line, "Line2", "", "", -1, 120, 2640, 6750, 30},
            label(Input::Cosgen, "Costes generales            (porcentaje de coste total)", 7, 120, 3000, 2700, 450),
            field(Input::Cosgen, 4, 4215, 3030, 1200, 375),
            observatoryButton("cmdCogen", ObservatoryGroup::General, 5, 5535, 2760),
        }};
    return form;
}

const FormDesign &vehicleForm()
{
    static const FormDesign form{
        "frmVehi",
        "2-Datos del Vehículo",
        6984,
        5052,
        {
            observatoryButton("cmdKm", ObservatoryGroup::AnnualKm, 2, 5535, 90),
            label(Input::Kmaut, "Kilómetros recorridos al año por el vehículo", 11, 120, 450, 3960, 255),
            field(Input::Kmaut, 1, 4200, 390, 1215, 375),
            {K::Line, "Line3", "", "", -1, 120, 1170, 6750, 30},
            label(Input::Cosaut, "Coste de adquisición del vehículo (Euros)", 0, 120, 1290, 3960, 450),
            field(Input::Cosaut, 3, 4200, 1320, 1215, 375),
            label(Input::Vidaut, "Vida útil del vehículo (Años)", 10, 120, 1920, 3960, 255),
            field(Input::Vidaut, 4, 4200, 1860, 1215, 375),
            observatoryButton("cmdCosaut", ObservatoryGroup::Vehicle, 7, 5535, 1830),
            label(Input::Cosfin, "Coste de la financiación del vehículo (En porcentaje, por ejemplo TAE)", 13, 120,
                  2370, 3960, 450),
            field(Input::Cosfin, 5, 4200, 2400, 1215, 375),
            label(Input::Plafin, "Plazo de financiación (Años)", 14, 120, 3000, 3960, 255),
            field(Input::Plafin, 6, 4200, 2940, 1215, 375),
            {K::Line, "Line1", "", "", -1, 120, 3480, 6750, 30},
            observatoryButton("cmdCosman", ObservatoryGroup::Maintenance, 9, 5535, 3660),
            label(Input::Cosman, "Coste anual de mantenimiento del vehículo (Euros)", 12, 120, 3900, 3960, 450),
            field(Input::Cosman, 8, 4200, 3960, 1215, 375),
        }};
    return form;
}

const FormDesign &runningCostForm()
{
    static const FormDesign form{
        "frmMovi",
        "3-Datos de Circulación",
        6984,
        3684,
        {
            observatoryButton("cmdCogas", ObservatoryGroup::Fuel, 2, 5535, 90),
            label(Input::Cosgas, "Coste de combustible en Euros por litro", 0, 120, 450, 3960, 255),
            field(Input::Cosgas, 1, 4440, 390, 975, 375),
            {K::Line, "Line1", "", "", -1, 120, 1170, 6750, 30},
            observatoryButton("cmdCosseg", ObservatoryGroup::Insurance, 5, 5535, 1290),
            label(Input::Cosseg, "Coste anual del seguro del vehículo", 3, 120, 1650, 3720, 255),
            field(Input::Cosseg, 4, 3960, 1590, 1455, 375),
            {K::Line, "Line2", "", "", -1, 120, 2370, 6750, 30},
            label(Input::Cosneu, "Coste de cada neumático del vehículo (Euros)", 6, 120, 2490, 3960, 450),
            field(Input::Cosneu, 7, 4440, 2520, 975, 375),
            observatoryButton("cmdCosneu", ObservatoryGroup::Tyres, 10, 5535, 2490),
            label(Input::Vidneu, "Vida útil de cada neumático (Kilómetros)", 8, 120, 3120, 3960, 255),
            field(Input::Vidneu, 9, 4440, 3060, 975, 375),
        }};
    return form;
}

const FormDesign &tripForm()
{
    static const FormDesign form{
        "frmTray",
        "4-Trayecto",
        5508,
        3144,
        {
            {K::Frame, "FrameTipo", "¿Desea calcular el coste de un servicio?", "", 0, 120, 60, 5265, 1395},
            {K::Option, "Option1", "Calcular sólo los costes unitarios (por km y hora) del vehículo",
             "Los costes unitarios se calculan para servicios de una hora", 1, 240, 300, 4900, 480, 0},
            {K::Option, "Option2", "Calcular los costes totales del servicio detallado a continuación", "", 2, 240, 840,
             4900, 480, 1},
            label(Input::Km, "Km del trayecto (con pasajeros)", 6, 120, 1680, 3120, 255),
            field(Input::Km, 3, 3360, 1620, 1455, 375),
            label(Input::Vacio, "Km de posicionamiento (o en vacío)", 8, 120, 2190, 3120, 255),
            field(Input::Vacio, 4, 3360, 2130, 1455, 375),
            label(Input::Horas, "Horas del servicio", 7, 120, 2700, 3120, 255),
            field(Input::Horas, 5, 3360, 2640, 1455, 375),
        }};
    return form;
}

}   // namespace rotavex
