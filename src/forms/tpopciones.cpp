#include "forms/tpopciones.h"

#include "forms/barslayout.h"
#include "forms/tesseraapp.h"
#include "forms/tpeditor.h"
#include "forms/tpprincipal.h"
#include "shell/codepage.h"
#include "shell/paths.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextCursor>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <span>

namespace tessera {

namespace {

constexpr int NameCapacity = 32;
constexpr int DetailsCapacity = 196;
constexpr int EmailCapacity = 64;
constexpr int PasswordCapacity = 8;
constexpr int TransparencyStep = 16;
constexpr int TabsOnTop = 0;
constexpr int TabsOnLeft = 3;

constexpr std::array LibraryStyleNames = {"Base",     "Flat",       "Office 1",      "Office 2",
                                          "Office 3", "VS Tool",    "XP 1",          "XP 2",
                                          "Explorer", "Ultra flat", "Adv. explorer", "XP"};
constexpr std::array ToolbarStyleNames = {"Standard", "Enhanced", "Flat", "XP", "Office"};

constexpr std::array<std::pair<const char*, const char*>, 8> PageBoxes = {{
    {"L_Resumen", "Página de Resumen"},
    {"L_Notas", "Página de notas"},
    {"L_Temas", "Página de Temas"},
    {"L_Practica", "Página de práctica"},
    {"L_Estadisticas", "Página de estadísticas"},
    {"L_Editor", "Página de Editor"},
    {"L_Parametros", "Página de parámetros"},
    {"L_Opciones", "Página de opciones"},
}};

// What "Defecto" puts in the controls.
struct Defaults {
    static constexpr int LibraryStyle = 7; // "XP 2"
    static constexpr int ToolbarStyle = 3; // "XP"
    static constexpr int Transparency = 13;
    static constexpr int TabWidth = 150;
    static constexpr int BackupInterval = 15;
};

// Texts that go into user.dat and into every new book must be Windows-1252:
// a character outside it is refused as it is typed rather than lost later.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return isCp1252(input) ? Acceptable : Invalid;
    }
};

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* label(const char* name, const char* text) {
    auto* l = named(new QLabel(QString::fromUtf8(text)), name);
    l->setWordWrap(true);
    return l;
}

// A quiet note under the control it explains.
QLabel* note(const char* name, const char* text) {
    QLabel* l = label(name, text);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    l->setPalette(palette);
    return l;
}

QCheckBox* checkBox(const char* name, const char* text) {
    return named(new QCheckBox(QString::fromUtf8(text)), name);
}

QLineEdit* lineEdit(const char* name, int capacity, QObject* owner) {
    auto* edit = named(new QLineEdit, name);
    edit->setMaxLength(capacity);
    edit->setValidator(new Cp1252Validator(owner));
    return edit;
}

QWidget* page(const char* name) {
    auto* w = named(new QWidget, name);
    return w;
}

QVBoxLayout* pageLayout(QWidget* page) {
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(16, 16, 16, 12);
    column->setSpacing(10);
    return column;
}

QGroupBox* radioGroup(const char* name, const char* title, std::span<const char* const> items,
                      int columns, QButtonGroup*& group, QObject* owner) {
    auto* box = named(new QGroupBox(QString::fromUtf8(title)), name);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);
    group = new QButtonGroup(owner);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < int(items.size()); ++i) {
        auto* radio = new QRadioButton(QString::fromUtf8(items[std::size_t(i)]));
        radio->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        group->addButton(radio, i);
        grid->addWidget(radio, i % rows, i / rows);
    }
    return box;
}

// The details are held with CR LF between lines, as they travel in files and books.
QString storedDetails(const QString& shown) {
    QString text = shown;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}
QString shownDetails(const QString& stored) {
    QString text = stored;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

} // namespace

TPOpciones::TPOpciones(TesseraApp& app, QWidget* parent)
    : TPForm(app, QStringLiteral("OPTS"), parent) {
    setObjectName(QStringLiteral("TPOpciones"));
    setWindowTitle(QStringLiteral("Opciones"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    Panel_Opciones = named(new QTabWidget, "Panel_Opciones");
    Panel_Opciones->setDocumentMode(false);
    Panel_Opciones->addTab(buildPreferencesPage(), QStringLiteral("Preferencias"));
    Panel_Opciones->addTab(buildInterfacePage(), QStringLiteral("Interfaz"));
    Panel_Opciones->addTab(buildEditorPage(), QStringLiteral("Editor"));
    Panel_Opciones->addTab(buildUserPage(), QStringLiteral("Usuario"));
    Panel_Opciones->addTab(buildPagesPage(), QStringLiteral("Paginas"));

    Btn_Defecto = named(new QPushButton(QStringLiteral("Defecto")), "Btn_Defecto");
    Btn_OK = named(new QPushButton(QStringLiteral("OK")), "Btn_OK");
    Btn_Cancelar = named(new QPushButton(QStringLiteral("Cancelar")), "Btn_Cancelar");
    for (QPushButton* b : {Btn_Defecto, Btn_OK, Btn_Cancelar}) {
        b->setMinimumWidth(96);
        b->setAutoDefault(false);
    }
    Btn_OK->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Btn_Defecto);
    buttons->addStretch(1);
    buttons->addWidget(Btn_OK);
    buttons->addWidget(Btn_Cancelar);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(12);
    column->addWidget(Panel_Opciones, 1);
    column->addLayout(buttons);
    resize(580, 430);

    connect(Btn_OK, &QPushButton::clicked, this, &TPOpciones::Btn_OKClick);
    connect(Btn_Cancelar, &QPushButton::clicked, this, &TPOpciones::Btn_CancelarClick);
    connect(Btn_Defecto, &QPushButton::clicked, this, &TPOpciones::Btn_DefectoClick);
    connect(Btn_Cambiar, &QPushButton::clicked, this, &TPOpciones::Btn_CambiarClick);
    connect(Panel_ColorFondo, &QPushButton::clicked, this, &TPOpciones::Panel_ColorFondoClick);
    connect(toolbarStyles, &QButtonGroup::idClicked, this, &TPOpciones::RG_BarrasClick);
    connect(libraryStyles, &QButtonGroup::idClicked, this, &TPOpciones::RG_LibreriaClick);
    connect(TB_Transparencia, &QSlider::valueChanged, this, &TPOpciones::TB_TransparenciaChange);
    connect(Panel_Opciones, &QTabWidget::currentChanged, this, &TPOpciones::Panel_OpcionesChange);
    connect(L_ProtegerDatos, &QCheckBox::toggled, this, &TPOpciones::L_ProtegerDatosClick);
    connect(Ed_Datos_Usuario, &QPlainTextEdit::textChanged, this,
            &TPOpciones::Ed_Datos_UsuarioChange);
    for (QCheckBox* box : pageBoxes)
        connect(box, &QCheckBox::clicked, this, &TPOpciones::pageBoxClick);
    connectChanges();
}

QWidget* TPOpciones::buildPreferencesPage() {
    QWidget* w = page("Pag_Preferencias");
    QVBoxLayout* column = pageLayout(w);

    L_DirBackUps = label("L_DirBackUps", "Directorio de copias de seguridad de los libros:");
    Ed_DirBackUps = named(new QLineEdit, "Ed_DirBackUps");
    Ed_DirBackUps->setReadOnly(true);
    Ed_DirBackUps->setFocusPolicy(Qt::NoFocus);
    Btn_Cambiar = named(new QPushButton(QStringLiteral("Cambiar")), "Btn_Cambiar");
    Btn_Cambiar->setAutoDefault(false);
    auto* dirRow = new QHBoxLayout;
    dirRow->addWidget(Ed_DirBackUps, 1);
    dirRow->addWidget(Btn_Cambiar);
    column->addWidget(L_DirBackUps);
    column->addLayout(dirRow);
    column->addSpacing(6);

    L_TiempoBackUp =
        label("L_TiempoBackUp", "Realizar copia de seguridad del libro activo cada (min)");
    L_TiempoBackUp->setWordWrap(false);
    SE_TiempoBackUp = named(new QSpinBox, "SE_TiempoBackUp");
    SE_TiempoBackUp->setRange(0, 120);
    SE_TiempoBackUp->setSingleStep(10);
    SE_TiempoBackUp->setMinimumWidth(70);
    L_TiempoBackUp2 = note("L_TiempoBackUp2", "(seleccione 0 min. para desactivar)");
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(L_TiempoBackUp);
    timeRow->addWidget(SE_TiempoBackUp);
    timeRow->addStretch(1);
    column->addLayout(timeRow);
    column->addWidget(L_TiempoBackUp2);

    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    column->addSpacing(4);
    column->addWidget(rule);
    column->addSpacing(4);

    CB_MostrarTips = checkBox("CB_MostrarTips", "Mostrar sugerencias al comienzo");
    CB_DescargarNovedades =
        checkBox("CB_DescargarNovedades", "Descargar novedades al comienzo de cada sesión");
    CB_MostrarHints = checkBox("CB_MostrarHints", "Mostrar descripción sobre los componentes");
    CB_DistinguirAcentos = checkBox("CB_DistinguirAcentos", "Distinguir acentos en las respuestas");
    CB_DistinguirMayusculas =
        checkBox("CB_DistinguirMayusculas", "Distinguir mayúsculas en las respuestas");
    for (QCheckBox* box : {CB_MostrarTips, CB_DescargarNovedades, CB_MostrarHints,
                           CB_DistinguirAcentos, CB_DistinguirMayusculas})
        column->addWidget(box);
    column->addStretch(1);
    return w;
}

QWidget* TPOpciones::buildInterfacePage() {
    QWidget* w = page("Pag_Interfaz");
    QVBoxLayout* column = pageLayout(w);

    RG_Libreria = radioGroup("RG_Libreria", "Librería", LibraryStyleNames, 3, libraryStyles, this);
    RG_Barras = radioGroup("RG_Barras", "Barras de herramientas", ToolbarStyleNames, 1,
                           toolbarStyles, this);
    auto* styles = new QHBoxLayout;
    styles->setSpacing(12);
    styles->addWidget(RG_Libreria, 3);
    styles->addWidget(RG_Barras, 1);
    column->addLayout(styles);

    GB_Transparencia = named(new QGroupBox(QStringLiteral("Transparencia")), "GB_Transparencia");
    TB_Transparencia = named(new QSlider(Qt::Horizontal), "TB_Transparencia");
    TB_Transparencia->setRange(0, 15);
    TB_Transparencia->setPageStep(1);
    TB_Transparencia->setTickPosition(QSlider::TicksBelow);
    TB_Transparencia->setTickInterval(1);
    // The end labels give the bars' opacity: opaque on the left, clear on the right.
    TB_Transparencia->setInvertedAppearance(true);
    TB_Transparencia->setInvertedControls(true);
    auto* opaque = label("L_Transparencia_255", "255");
    auto* clear = label("L_Transparencia_0", "0");
    auto* slider = new QHBoxLayout(GB_Transparencia);
    slider->addWidget(opaque);
    slider->addWidget(TB_Transparencia, 1);
    slider->addWidget(clear);

    // The swatch is a tile of the window's colour; clicking it opens the colour dialog.
    Panel_ColorFondo = named(new QPushButton(QStringLiteral("Color de fondo")), "Panel_ColorFondo");
    Panel_ColorFondo->setAutoDefault(false);
    Panel_ColorFondo->setCursor(Qt::PointingHandCursor);
    Panel_ColorFondo->setMinimumWidth(150);
    Panel_ColorFondo->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);

    auto* lower = new QHBoxLayout;
    lower->setSpacing(12);
    lower->addWidget(GB_Transparencia, 3);
    lower->addWidget(Panel_ColorFondo, 1);
    column->addLayout(lower);
    column->addStretch(1);
    L_Estilos = note("L_Estilos", "Los cambios de estilo se aplican al momento.");
    column->addWidget(L_Estilos);
    return w;
}

QWidget* TPOpciones::buildEditorPage() {
    QWidget* w = page("Pag_Editor");
    QVBoxLayout* column = pageLayout(w);

    GB_Pestanhas =
        named(new QGroupBox(QStringLiteral("En las pestañas de las hojas...")), "GB_Pestanhas");
    auto* tabs = new QVBoxLayout(GB_Pestanhas);
    tabs->setSpacing(8);
    Ed_MostrarNReg = checkBox("Ed_MostrarNReg", "Mostrar el número total de registros");
    Ed_MostrarReg0 = checkBox("Ed_MostrarReg0", "Mostrar el número de registros de nivel 0");
    tabs->addWidget(Ed_MostrarNReg);
    tabs->addWidget(Ed_MostrarReg0);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    L_PosTabs = label("L_PosTabs", "Posición de las pestañas:");
    L_PosTabs->setWordWrap(false);
    Ed_PosTabs = named(new QComboBox, "Ed_PosTabs");
    Ed_PosTabs->addItems({QStringLiteral("Arriba"), QStringLiteral("A la izquierda")});
    Ed_PosTabs->setMinimumWidth(150);
    L_AnchoTabs = label("L_AnchoTabs", "Ancho de las pestañas:");
    L_AnchoTabs->setWordWrap(false);
    Ed_AnchoTabs = named(new QSpinBox, "Ed_AnchoTabs");
    Ed_AnchoTabs->setRange(100, 250);
    Ed_AnchoTabs->setSuffix(QStringLiteral(" px"));
    Ed_AnchoTabs->setMinimumWidth(90);
    form->addRow(L_PosTabs, Ed_PosTabs);
    form->addRow(L_AnchoTabs, Ed_AnchoTabs);
    tabs->addSpacing(4);
    tabs->addLayout(form);
    column->addWidget(GB_Pestanhas);

    Ed_Solicitar_Confirmacion =
        checkBox("Ed_Solicitar_Confirmacion", "Solicitar confirmación al eliminar un registro");
    column->addSpacing(4);
    column->addWidget(Ed_Solicitar_Confirmacion);
    column->addStretch(1);
    return w;
}

QWidget* TPOpciones::buildUserPage() {
    QWidget* w = page("Pag_Usuario");
    QVBoxLayout* column = pageLayout(w);

    L_Titulo_Usuario = label("L_Titulo_Usuario", "Datos del autor de los libros que crees");
    QFont heading = L_Titulo_Usuario->font();
    heading.setBold(true);
    L_Titulo_Usuario->setFont(heading);
    column->addWidget(L_Titulo_Usuario);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignTop);
    form->setVerticalSpacing(8);
    L_Nombre_Usuario = label("L_Nombre_Usuario", "Nombre:");
    Ed_Nombre_Usuario = lineEdit("Ed_Nombre_Usuario", NameCapacity, this);
    L_Datos_Usuario = label("L_Datos_Usuario", "Datos:");
    Ed_Datos_Usuario = named(new QPlainTextEdit, "Ed_Datos_Usuario");
    Ed_Datos_Usuario->setTabChangesFocus(true);
    Ed_Datos_Usuario->setFixedHeight(Ed_Datos_Usuario->fontMetrics().lineSpacing() * 4 + 14);
    L_Email_Usuario = label("L_Email_Usuario", "e-mail:");
    Ed_Email_Usuario = lineEdit("Ed_Email_Usuario", EmailCapacity, this);
    form->addRow(L_Nombre_Usuario, Ed_Nombre_Usuario);
    form->addRow(L_Datos_Usuario, Ed_Datos_Usuario);
    form->addRow(L_Email_Usuario, Ed_Email_Usuario);
    column->addLayout(form);

    L_Nota_Usuario =
        note("L_Nota_Usuario", "(Esta información será incluida en los libros que cree y aparecerá "
                               "en la primera página del mismo)");
    column->addWidget(L_Nota_Usuario);

    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    column->addWidget(rule);

    L_ProtegerDatos = checkBox("L_ProtegerDatos", "Proteger estos datos con contraseña");
    Ed_Contrasenha = lineEdit("Ed_Contrasenha", PasswordCapacity, this);
    Ed_Contrasenha->setEchoMode(QLineEdit::Password);
    Ed_Contrasenha->setFixedWidth(140);
    L_Contrasenha = label("L_Contrasenha", "Contraseña:");
    L_Contrasenha->setWordWrap(false);
    L_Contrasenha->setBuddy(Ed_Contrasenha);
    auto* protect = new QHBoxLayout;
    protect->addWidget(L_ProtegerDatos);
    protect->addSpacing(16);
    protect->addWidget(L_Contrasenha);
    protect->addWidget(Ed_Contrasenha);
    protect->addStretch(1);
    column->addLayout(protect);
    column->addStretch(1);
    return w;
}

QWidget* TPOpciones::buildPagesPage() {
    QWidget* w = page("Pag_Paginas");
    QVBoxLayout* column = pageLayout(w);
    L_Mostrar = label("L_Mostrar", "Mostrar:");
    column->addWidget(L_Mostrar);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(16, 4, 0, 0);
    grid->setHorizontalSpacing(28);
    grid->setVerticalSpacing(8);
    for (int i = 0; i < 8; ++i) {
        pageBoxes[std::size_t(i)] =
            checkBox(PageBoxes[std::size_t(i)].first, PageBoxes[std::size_t(i)].second);
        grid->addWidget(pageBoxes[std::size_t(i)], i % 4, i / 4);
    }
    L_Resumen = pageBoxes[0];
    column->addLayout(grid);
    column->addStretch(1);
    L_Paginas = note("L_Paginas", "Al menos una página debe quedar visible.");
    column->addWidget(L_Paginas);
    return w;
}

// Every change in the dialog makes Cancel available.
void TPOpciones::connectChanges() {
    const auto changed = [this] { markChanged(); };
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, changed);
    for (QSpinBox* spin : findChildren<QSpinBox*>())
        connect(spin, &QSpinBox::valueChanged, this, changed);
    for (QLineEdit* edit : {Ed_Nombre_Usuario, Ed_Email_Usuario, Ed_Contrasenha})
        connect(edit, &QLineEdit::textChanged, this, changed);
    connect(Ed_Datos_Usuario, &QPlainTextEdit::textChanged, this, changed);
    connect(Ed_PosTabs, &QComboBox::currentIndexChanged, this, changed);
    connect(libraryStyles, &QButtonGroup::idToggled, this, changed);
    connect(toolbarStyles, &QButtonGroup::idToggled, this, changed);
    connect(TB_Transparencia, &QSlider::valueChanged, this, changed);
}

void TPOpciones::markChanged() {
    if (!filling_) Btn_Cancelar->setEnabled(true);
}

void TPOpciones::formActivate() {
    Settings& s = ctx().settings;
    filling_ = true;
    Btn_Cancelar->setEnabled(false);
    Btn_OK->setEnabled(false);

    libraryStyles->button(std::clamp(s.libraryStyle, 0, 11))->setChecked(true);
    toolbarStyles->button(std::clamp(s.toolbarStyle, 0, 4))->setChecked(true);
    TB_Transparencia->setValue(s.toolbarTransparency / TransparencyStep);
    const QColor colour = windowColour(app().principal());
    showSwatch(colour);

    Ed_Nombre_Usuario->setText(s.userName.left(NameCapacity));
    detailsShown_ = shownDetails(s.userDetails.left(DetailsCapacity));
    Ed_Datos_Usuario->setPlainText(detailsShown_);
    Ed_Email_Usuario->setText(s.userEmail.left(EmailCapacity));

    Ed_MostrarNReg->setChecked(s.showTotalRecords);
    Ed_MostrarReg0->setChecked(s.showLevel0Records);
    Ed_PosTabs->setCurrentIndex(s.tabPosition == TabsOnTop ? 0 : 1);
    Ed_AnchoTabs->setValue(s.tabWidth);
    Ed_Solicitar_Confirmacion->setChecked(s.confirmRecordDeletion);

    backupDir_ = s.backupDir;
    showBackupDir(backupDir_);
    SE_TiempoBackUp->setValue(s.backupInterval);
    CB_MostrarTips->setChecked(s.showTipsAtStart);
    CB_DescargarNovedades->setChecked(s.downloadNews);
    CB_MostrarHints->setChecked(s.showHints);
    CB_DistinguirAcentos->setChecked(s.distinguishAccents);
    CB_DistinguirMayusculas->setChecked(s.distinguishCase);

    L_ProtegerDatos->setChecked(s.protectUserData);
    L_Contrasenha->setEnabled(s.protectUserData);
    Ed_Contrasenha->setEnabled(s.protectUserData);
    Ed_Contrasenha->setText(s.protectUserData ? s.userDataPassword.left(PasswordCapacity)
                                              : QString());

    for (std::size_t i = 0; i < pageBoxes.size(); ++i)
        pageBoxes[i]->setChecked(s.showPage[i]);
    Panel_Opciones->setCurrentIndex(std::clamp(s.optionsPage, 1, Panel_Opciones->count()) - 1);

    rememberedToolbarStyle_ = s.toolbarStyle;
    rememberedLibraryStyle_ = s.libraryStyle;
    rememberedTransparency_ = s.toolbarTransparency;
    rememberedColour_ = s.windowColour;
    rememberedWindowColour_ = colour;

    for (QCheckBox* box : pageBoxes)
        box->setEnabled(box != L_Resumen);
    // A user.dat with a single page shown must not let that page go either.
    enforceLastPage();
    Btn_Defecto->setEnabled(true);
    Btn_Cancelar->setVisible(true);
    Btn_OK->setEnabled(true);
    filling_ = false;
}

void TPOpciones::RG_BarrasClick(int style) {
    if (filling_) return;
    ctx().settings.toolbarStyle = style;
    applyBarLook();
    ctx().delay(1);
}

void TPOpciones::RG_LibreriaClick(int style) {
    if (filling_) return;
    ctx().settings.libraryStyle = style;
    applyShelfViewStyle();
}

void TPOpciones::TB_TransparenciaChange(int position) {
    if (filling_) return;
    setTransparency(position * TransparencyStep);
}

void TPOpciones::Panel_ColorFondoClick() {
    QColorDialog dialog(windowColour(app().principal()), this);
    dialog.setObjectName(QStringLiteral("ColorDialog"));
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid()) return;
    setWindowColour(dialog.selectedColor());
    markChanged();
}

void TPOpciones::Panel_OpcionesChange(int index) {
    if (index >= 0) ctx().settings.optionsPage = index + 1;
}

void TPOpciones::Btn_CambiarClick() {
    const QString chosen = QFileDialog::getExistingDirectory(
        this, L_DirBackUps->text(), QDir::fromNativeSeparators(backupDir_));
    if (chosen.isEmpty()) return;
    backupDir_ = withTrailingSeparator(QDir::toNativeSeparators(chosen));
    showBackupDir(backupDir_);
    markChanged();
}

void TPOpciones::L_ProtegerDatosClick(bool on) {
    if (filling_) return;
    L_Contrasenha->setEnabled(on);
    Ed_Contrasenha->setEnabled(on);
    Ed_Contrasenha->setText(on ? ctx().settings.userDataPassword.left(PasswordCapacity)
                               : QString());
}

void TPOpciones::pageBoxClick() {
    enforceLastPage();
}

// The last page shown cannot be unticked: with fewer than two ticked, the
// ticked ones are locked; otherwise all but the summary box are free.
void TPOpciones::enforceLastPage() {
    const auto ticked = std::count_if(pageBoxes.begin(), pageBoxes.end(),
                                      [](const QCheckBox* box) { return box->isChecked(); });
    if (ticked < 2) {
        for (QCheckBox* box : pageBoxes)
            if (box->isChecked()) box->setEnabled(false);
    } else {
        for (QCheckBox* box : pageBoxes)
            if (box != L_Resumen) box->setEnabled(true);
    }
}

// The details may not grow past their capacity nor take characters that
// Windows-1252 lacks; an edit that would do either is undone.
void TPOpciones::Ed_Datos_UsuarioChange() {
    const QString shown = Ed_Datos_Usuario->toPlainText();
    if (shown == detailsShown_) return;
    if (isCp1252(shown) && storedDetails(shown).size() <= DetailsCapacity) {
        detailsShown_ = shown;
        return;
    }
    QTextCursor cursor = Ed_Datos_Usuario->textCursor();
    const int position = int(cursor.position() - (shown.size() - detailsShown_.size()));
    const QSignalBlocker block(Ed_Datos_Usuario);
    Ed_Datos_Usuario->setPlainText(detailsShown_);
    cursor = Ed_Datos_Usuario->textCursor();
    cursor.setPosition(std::clamp(position, 0, int(detailsShown_.size())));
    Ed_Datos_Usuario->setTextCursor(cursor);
}

void TPOpciones::Btn_OKClick() {
    Settings& s = ctx().settings;
    s.interfaceStyle = 3;
    s.userName = Ed_Nombre_Usuario->text().left(NameCapacity);
    s.userDetails = storedDetails(Ed_Datos_Usuario->toPlainText()).left(DetailsCapacity);
    s.userEmail = Ed_Email_Usuario->text().left(EmailCapacity);
    s.showTotalRecords = Ed_MostrarNReg->isChecked();
    s.showLevel0Records = Ed_MostrarReg0->isChecked();
    s.tabPosition = Ed_PosTabs->currentIndex() == 0 ? TabsOnTop : TabsOnLeft;
    s.tabWidth = Ed_AnchoTabs->value();
    s.confirmRecordDeletion = Ed_Solicitar_Confirmacion->isChecked();
    s.backupDir = backupDir_;
    s.showTipsAtStart = CB_MostrarTips->isChecked();
    s.downloadNews = CB_DescargarNovedades->isChecked();
    s.backupInterval = SE_TiempoBackUp->value();
    s.showHints = CB_MostrarHints->isChecked();
    s.distinguishAccents = CB_DistinguirAcentos->isChecked();
    s.distinguishCase = CB_DistinguirMayusculas->isChecked();
    s.protectUserData = L_ProtegerDatos->isChecked();
    s.userDataPassword = Ed_Contrasenha->text().left(PasswordCapacity);
    for (std::size_t i = 0; i < pageBoxes.size(); ++i)
        s.showPage[i] = pageBoxes[i]->isChecked();
    applyPageSettings();
    accept();
}

void TPOpciones::Btn_CancelarClick() {
    Settings& s = ctx().settings;
    for (QPushButton* b : {Btn_OK, Btn_Cancelar, Btn_Defecto})
        b->setEnabled(false);
    s.toolbarStyle = rememberedToolbarStyle_;
    s.libraryStyle = rememberedLibraryStyle_;
    applyInterfaceStyle();
    setTransparency(rememberedTransparency_);
    applyWindowColour(app().principal(), rememberedWindowColour_);
    applyWindowColour(app().editor(), rememberedWindowColour_);
    s.windowColour = rememberedColour_;
    layoutEditorTabs();
    QDialog::reject();
}

void TPOpciones::Btn_DefectoClick() {
    libraryStyles->button(Defaults::LibraryStyle)->click();
    toolbarStyles->button(Defaults::ToolbarStyle)->click();
    TB_Transparencia->setValue(Defaults::Transparency);
    // The slider may already stand there; the bars take the default all the same.
    setTransparency(Defaults::Transparency * TransparencyStep);
    Ed_MostrarNReg->setChecked(true);
    Ed_MostrarReg0->setChecked(true);
    Ed_PosTabs->setCurrentIndex(0);
    Ed_AnchoTabs->setValue(Defaults::TabWidth);
    Ed_Solicitar_Confirmacion->setChecked(true);
    backupDir_ = subdirectory(ctx().settings.appDir, QStringLiteral("backup"));
    showBackupDir(backupDir_);
    for (QCheckBox* box : {CB_MostrarTips, CB_DescargarNovedades, CB_MostrarHints,
                           CB_DistinguirAcentos, CB_DistinguirMayusculas})
        box->setChecked(true);
    SE_TiempoBackUp->setValue(Defaults::BackupInterval);
    L_ProtegerDatos->setChecked(false);
    applyInterfaceStyle();
    markChanged();
}

void TPOpciones::reject() {
    if (ctx().settings.eventsEnabled != 1) return;
    QDialog::reject();
}

void TPOpciones::resizeEvent(QResizeEvent* event) {
    TPForm::resizeEvent(event);
    showBackupDir(backupDir_);
}

// The directory shortened in the middle to fit the field; the whole path is its tip.
void TPOpciones::showBackupDir(const QString& dir) {
    const int room = Ed_DirBackUps->width() - 16;
    const QString shown =
        room > 0 ? Ed_DirBackUps->fontMetrics().elidedText(dir, Qt::ElideMiddle, room) : dir;
    const QSignalBlocker block(Ed_DirBackUps);
    Ed_DirBackUps->setText(shown);
    Ed_DirBackUps->setToolTip(dir);
    Ed_DirBackUps->setCursorPosition(0);
}

void TPOpciones::showSwatch(const QColor& colour) {
    const QColor text = colour.lightnessF() > 0.55 ? QColor(40, 40, 40) : QColor(250, 250, 250);
    Panel_ColorFondo->setStyleSheet(
        QStringLiteral("QPushButton#Panel_ColorFondo { background: %1; color: %2;"
                       " border: 1px solid %3; border-radius: 6px; padding: 8px 12px;"
                       " margin-top: 8px; }"
                       "QPushButton#Panel_ColorFondo:hover { border: 2px solid %4; }")
            .arg(colour.name(), text.name(), colour.darker(150).name(),
                 palette().color(QPalette::Highlight).name()));
}

void TPOpciones::setWindowColour(const QColor& colour) {
    ctx().settings.windowColour = colour;
    applyWindowColour(app().principal(), colour);
    applyWindowColour(app().editor(), colour);
    showSwatch(colour);
}

void TPOpciones::setTransparency(int alpha) {
    ctx().settings.toolbarTransparency = alpha;
    applyBarTransparency(app().principal(), alpha);
    applyBarTransparency(app().editor(), alpha);
}

// The bar looks, the shelf view, the whole interface style, the book pages
// and the editor's tabs belong to the main window's styles, the shelves, the
// open book and the editor window. The settings they read are up to date when
// these run; each is where that subsystem takes over.
void TPOpciones::applyBarLook() {}
void TPOpciones::applyShelfViewStyle() {
    app().principal().applyLibraryStyle();
}
void TPOpciones::applyInterfaceStyle() {}
void TPOpciones::applyPageSettings() {}
void TPOpciones::layoutEditorTabs() {}

} // namespace tessera
