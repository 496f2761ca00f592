#include "AdjustDialog.h"

#include "Form1Texts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace tintwright::ui {

AdjustDialog::AdjustDialog(QWidget* parent, std::vector<std::string> elements)
    : QDialog(parent)
    , m_elements(std::move(elements))
    , m_hue(new QSpinBox(this))
    , m_chroma(new QDoubleSpinBox(this))
    , m_lightness(new QDoubleSpinBox(this))
    , m_invert(new QCheckBox(text(texts::kAdjustInvert), this))
    , m_only(new QLineEdit(this))
    , m_problem(new QLabel(this))
{
    setObjectName(QStringLiteral("AdjustDialog"));
    setWindowTitle(text(texts::kAdjustTitle));
    m_hue->setObjectName(QStringLiteral("hue"));
    m_hue->setRange(-180, 180);
    m_hue->setSuffix(QStringLiteral("°"));
    m_chroma->setObjectName(QStringLiteral("chroma"));
    m_chroma->setRange(0, 3);
    m_chroma->setDecimals(2);
    m_chroma->setSingleStep(0.05);
    m_chroma->setValue(1);
    m_lightness->setObjectName(QStringLiteral("lightness"));
    m_lightness->setRange(-1, 1);
    m_lightness->setDecimals(3);
    m_lightness->setSingleStep(0.01);
    m_invert->setObjectName(QStringLiteral("invertLightness"));
    m_only->setObjectName(QStringLiteral("only"));
    m_only->setPlaceholderText(text(texts::kAdjustOnlyHint));
    // Wide enough for the whole hint, at any font and scale.
    m_only->setMinimumWidth(m_only->fontMetrics().horizontalAdvance(m_only->placeholderText())
                            + m_only->fontMetrics().averageCharWidth() * 4);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* form = new QFormLayout(this);
    form->addRow(text(texts::kAdjustHue), m_hue);
    form->addRow(text(texts::kAdjustChroma), m_chroma);
    form->addRow(text(texts::kAdjustLightness), m_lightness);
    form->addRow(QString(), m_invert);
    form->addRow(text(texts::kAdjustOnly), m_only);
    m_problem->setObjectName(QStringLiteral("onlyProblem"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    form->addRow(QString(), m_problem);
    form->addRow(buttons);
    m_ok = buttons->button(QDialogButtonBox::Ok);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_hue, qOverload<int>(&QSpinBox::valueChanged), this, &AdjustDialog::changed);
    connect(m_chroma, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &AdjustDialog::changed);
    connect(m_lightness, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &AdjustDialog::changed);
    connect(m_invert, &QCheckBox::toggled, this, &AdjustDialog::changed);
    connect(m_only, &QLineEdit::textChanged, this, &AdjustDialog::checkPatterns);
    connect(m_only, &QLineEdit::textChanged, this, &AdjustDialog::changed);
}

void AdjustDialog::checkPatterns()
{
    QStringList unmatched;
    for (const std::string& pattern : patterns()) {
        if (std::none_of(m_elements.begin(), m_elements.end(),
                         [&](const std::string& element) { return color::matches(element, pattern); })) {
            unmatched << QString::fromStdString(pattern);
        }
    }
    m_problem->setText(
        unmatched.isEmpty() ? QString() : text(texts::kAdjustNothingMatches).arg(unmatched.join(QStringLiteral(", "))));
    m_problem->setVisible(!unmatched.isEmpty());
    m_ok->setEnabled(unmatched.isEmpty());
}

color::Adjustment AdjustDialog::adjustment() const
{
    color::Adjustment adjustment;
    adjustment.hue = m_hue->value();
    adjustment.chroma = m_chroma->value();
    adjustment.lightness = m_lightness->value();
    adjustment.invertLightness = m_invert->isChecked();
    return adjustment;
}

std::vector<std::string> AdjustDialog::patterns() const
{
    std::vector<std::string> patterns;
    for (const QString& pattern : m_only->text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        patterns.push_back(pattern.toStdString());
    }
    return patterns;
}

} // namespace tintwright::ui
