#pragma once

#include "base/Colour.h"

#include <QString>
#include <QWidget>
#include <optional>

// The tile that shows one element: number at the top right, symbol at the bottom left,
// a one-pixel 3-D frame, and an optional relief of sunken or raised rings. It paints no
// background of its own (its parent, the table panel, shows through).
//
// A temperature write repaints only the symbol and the frame, and only when the state
// colour changes; a selection write repaints only the outermost ring.
class TElement : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Symbol READ symbol WRITE setSymbol)
    Q_PROPERTY(QString Number READ number WRITE setNumber)
    Q_PROPERTY(int Depth READ depth WRITE setDepth)
    Q_PROPERTY(bool Synthetic READ synthetic WRITE setSynthetic)
    Q_PROPERTY(double BoilingPoint READ boilingPoint WRITE setBoilingPoint)
    Q_PROPERTY(double MeltingPoint READ meltingPoint WRITE setMeltingPoint)
    Q_PROPERTY(bool Selected READ selected WRITE setSelected)
    Q_PROPERTY(double Temperature READ temperature WRITE setTemperature)
    Q_PROPERTY(QString ElectronConfig READ electronConfig WRITE setElectronConfig)
    Q_PROPERTY(int MaxDepth READ maxDepth WRITE setMaxDepth)
    Q_PROPERTY(QString Hint READ hint WRITE setHint)

public:
    explicit TElement(QWidget *owner);

    QString symbol() const { return m_symbol; }
    void setSymbol(const QString &s);
    QString number() const { return m_number; }
    void setNumber(const QString &s);
    int depth() const { return m_depth; }
    void setDepth(int d);
    bool synthetic() const { return m_synthetic; }
    void setSynthetic(bool s);
    double boilingPoint() const { return m_boilingPoint; }
    void setBoilingPoint(double k) { m_boilingPoint = k; }
    double meltingPoint() const { return m_meltingPoint; }
    void setMeltingPoint(double k) { m_meltingPoint = k; }
    bool selected() const { return m_selected; }
    void setSelected(bool s);
    double temperature() const { return m_temperature; }
    void setTemperature(double k);
    QString electronConfig() const { return m_electronConfig; }
    void setElectronConfig(const QString &s) { m_electronConfig = s; }
    int maxDepth() const { return m_maxDepth; }
    void setMaxDepth(int d) { m_maxDepth = d; }
    // The element's name, shown as the tile's tool-tip.
    QString hint() const { return m_hint; }
    void setHint(const QString &s);

    // What a click of the left button does (an assistive tool's "press").
    void press();

    TColor numberColor() const { return m_numberColor; }
    void setNumberColor(TColor c);
    TColor liquidColor() const { return m_liquidColor; }
    void setLiquidColor(TColor c) { m_liquidColor = c; }
    TColor solidColor() const { return m_solidColor; }
    void setSolidColor(TColor c) { m_solidColor = c; }
    TColor gasColor() const { return m_gasColor; }
    void setGasColor(TColor c) { m_gasColor = c; }
    TColor syntheticColor() const { return m_syntheticColor; }
    void setSyntheticColor(TColor c);
    // The colour the symbol is drawn in.
    TColor stateColor() const { return m_stateColor; }
    // The tile's face colour: the table's colour given to it, else its parent's
    // background.
    TColor color() const;
    void setFaceColor(TColor c);
    // The symbol-only decision of the last paint: the symbol centred, no number.
    bool symbolOnly() const { return m_symbolOnly; }
    // The outlines the symbol and the number are drawn with where their colour alone is
    // not readable on the face; invalid where none is needed. Decided whenever a colour,
    // the palette or the font changes.
    QColor symbolOutline() const { return m_symbolOutline; }
    QColor numberOutline() const { return m_numberOutline; }

signals:
    // Each carries the tile's atomic number (its Number).
    void mouseMoved(int z);
    // Every press, including the second press of a double click.
    void mousePressed(int z, Qt::MouseButton button);
    // A left double click; mousePressed follows it.
    void doubleClicked(int z);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QFont canvasFont() const;
    void decideOutlines();
    // The texts' widths and the symbol's ink in the canvas font, measured once per font and
    // text: a tile repaints on every step of the slider, and its texts seldom change.
    struct TextExtents
    {
        QFont font;
        QString symbol;
        QString number;
        int symbolWidth = 0;
        QRect symbolInk;
        int numberWidth = 0;
    };
    const TextExtents &extents(const QFont &canvas, const QFontMetrics &fm) const;
    // Where the symbol is drawn: its text cell and any ink beyond it.
    QRect symbolArea(const QFont &canvas, const QFontMetrics &fm, bool symbolOnly) const;
    // The rings the frame draws, outline included.
    int ringCount() const;
    // The outermost `rings` rings of the tile.
    QRegion frameRegion(int rings) const;

    QString m_symbol;
    QString m_number;
    QString m_hint;
    QString m_electronConfig;
    int m_depth = 0;
    int m_maxDepth = 20;
    bool m_synthetic = false;
    bool m_selected = false;
    bool m_symbolOnly = false;
    double m_boilingPoint = 0.0;
    double m_meltingPoint = 0.0;
    double m_temperature = 0.0;
    TColor m_numberColor;
    TColor m_liquidColor;
    TColor m_solidColor;
    TColor m_gasColor;
    TColor m_syntheticColor;
    TColor m_stateColor;
    std::optional<TColor> m_faceColor;
    QColor m_symbolOutline;
    QColor m_numberOutline;
    mutable std::optional<TextExtents> m_extents;
};
