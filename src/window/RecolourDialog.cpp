#include "RecolourDialog.h"

#include "Form1Texts.h"
#include "color/Color.h"
#include "components/Desktop.h"
#include "sketch/Sketch.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace tintwright::ui {

namespace {

struct Field {
    const char* name; // the line edit's objectName; its button's is name + "Button"
    const char* label;
    const char* tip;
};

constexpr std::array<Field, 3> kFields {{
    {"background", texts::kRecolourBackground, texts::kRecolourBackgroundTip},
    {"foreground", texts::kRecolourForeground, texts::kRecolourForegroundTip},
    {"accent", texts::kRecolourAccent, texts::kRecolourAccentTip},
}};

QColor toQColor(const theme::RgbTriple& rgb)
{
    return QColor(rgb.R, rgb.G, rgb.B);
}

std::optional<theme::RgbTriple> colorOf(const QLineEdit& field)
{
    return color::parseHexColor(field.text().toStdString());
}

} // namespace

RecolourDialog::RecolourDialog(QWidget* parent, Desktop& desktop, const make::BaseColors& start)
    : QDialog(parent)
    , m_desktop(desktop)
{
    setObjectName(QStringLiteral("RecolourDialog"));
    setWindowTitle(text(texts::kRecolourTitle));
    setMinimumWidth(460);
    auto* form = new QFormLayout(this);
    auto* intro = new QLabel(text(texts::kRecolourIntro), this);
    intro->setWordWrap(true);
    form->addRow(intro);
    const std::array<theme::RgbTriple, 3> colors {start.background, start.foreground, start.accent};
    // Whole or partial #rrggbb while typing; OK waits for all three to be whole.
    const QRegularExpression hex(QStringLiteral("#[0-9A-Fa-f]{0,6}"));
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        auto* field = new QLineEdit(QString::fromStdString(color::hexColor(colors[i])), this);
        field->setObjectName(QString::fromLatin1(kFields[i].name));
        field->setValidator(new QRegularExpressionValidator(hex, field));
        field->setToolTip(text(kFields[i].tip));
        auto* button = new QPushButton(text(texts::kRecolourChoose), this);
        button->setObjectName(QString::fromLatin1(kFields[i].name) + QStringLiteral("Button"));
        button->setAccessibleName(text(texts::kRecolourChooseSpoken).arg(text(kFields[i].label)));
        auto* row = new QHBoxLayout;
        row->addWidget(field, 1);
        row->addWidget(button);
        form->addRow(text(kFields[i].label), row);
        m_fields[i] = field;
        m_buttons[i] = button;
        const int index = static_cast<int>(i);
        connect(button, &QPushButton::clicked, this, [this, index] { pickColor(index); });
        connect(field, &QLineEdit::textChanged, this, &RecolourDialog::fieldEdited);
    }
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("recolourProblem"));
    m_problem->setWordWrap(true);
    form->addRow(m_problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateSwatches();
}

std::optional<make::BaseColors> RecolourDialog::baseColors() const
{
    const auto background = colorOf(*m_fields[0]);
    const auto foreground = colorOf(*m_fields[1]);
    const auto accent = colorOf(*m_fields[2]);
    if (!background || !foreground || !accent) {
        return std::nullopt;
    }
    const make::BaseColors base {*background, *foreground, *accent};
    // The background and foreground are kept as given: text must be readable in one on the other.
    if (!make::readabilityProblem(base).empty()) {
        return std::nullopt;
    }
    return base;
}

void RecolourDialog::pickColor(int field)
{
    QLineEdit& edit = *m_fields[static_cast<std::size_t>(field)];
    const auto current = colorOf(edit);
    const auto chosen = m_desktop.chooseColor(this, current ? toQColor(*current) : QColor(Qt::black),
                                              text(kFields[static_cast<std::size_t>(field)].label));
    if (chosen) {
        edit.setText(chosen->name(QColor::HexRgb));
    }
}

void RecolourDialog::fieldEdited()
{
    updateSwatches();
    if (baseColors()) {
        emit changed();
    }
}

// Each button shows its field's colour; OK waits for three whole colours.
void RecolourDialog::updateSwatches()
{
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const auto rgb = colorOf(*m_fields[i]);
        // Framed in the button's text colour, so a colour near the button's own still shows.
        QPixmap swatch(14, 14);
        swatch.fill(Qt::transparent);
        QPainter painter(&swatch);
        painter.setPen(m_buttons[i]->palette().color(QPalette::ButtonText));
        painter.setBrush(rgb ? toQColor(*rgb) : QColor(Qt::transparent));
        painter.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
        painter.end();
        m_buttons[i]->setIcon(QIcon(swatch));
    }
    m_ok->setEnabled(baseColors().has_value());
    QStringList problems;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (!colorOf(*m_fields[i])) {
            problems << text(texts::kRecolourNotAColour).arg(text(kFields[i].label));
        }
    }
    const auto background = colorOf(*m_fields[0]);
    const auto foreground = colorOf(*m_fields[1]);
    if (background && foreground && color::contrastRatio(*background, *foreground) < sketch::ContrastMinimums {}.text) {
        problems << text(texts::kRecolourTooClose)
                        .arg(color::shownRatio(color::contrastRatio(*background, *foreground)), 0, 'f', 2);
    }
    m_problem->setText(problems.join(QLatin1Char('\n')));
    m_problem->setVisible(!problems.isEmpty());
}

} // namespace tintwright::ui
