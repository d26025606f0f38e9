#pragma once

// The arithmetic of the trend graph, in pixels of the picture (origin top left, y down):
// the bands and margins from the text metrics, the position of each element's point and
// the element under the mouse. Divisions are integer divisions truncating toward zero.
namespace GraphGeometry {

// The plot's frame for a picture of width × height, text height TH and width TW of "109",
// and the widest of the three value labels.
struct Frame
{
    int width = 0, height = 0;
    int textHeight = 0, textWidth = 0;
    int widestLabel = 0;

    // Bottom band B = TH + 7; plot height PH = H − B − TH.
    int band() const { return textHeight + 7; }
    int plotHeight() const { return height - band() - textHeight; }
    // LeftMargin L and RightMargin R.
    int left() const { return widestLabel + 7; }
    int right() const { return textWidth / 2 + 5; }

    // The Y axis runs down x = L − 3 from TH to the corner at H − B + 3, the X axis from
    // the corner to W − R.
    int axisX() const { return left() - 3; }
    int axisBottom() const { return height - band() + 3; }
    int axisRight() const { return width - right(); }

    // Tops of the value labels and of the two element numbers.
    int maxLabelTop() const { return textHeight / 2; }
    int minLabelTop() const { return height - band() - textHeight / 2; }
    int midLabelTop() const
    {
        return (height - band() - 2 * (textHeight / 2)) / 2 + textHeight / 2;
    }
    int numberTop() const { return height - band() + 5; }

    // x of element z: round((W − L − R) ÷ n × k) + L with n = last − first + 1 and
    // k = z − first + 1, an exact half to the even neighbour.
    int pointX(int z, int first, int last) const;
    // y of a value: round(H − (v − min) × PH ÷ range − B); a range of 0 puts every
    // point at mid-height.
    int pointY(double v, double min, double max) const;

    // The readout's band: from 6 pixels left of L to 4 beyond W − R.
    bool inBand(int x) const;
    // The element whose point is nearest to x (the inverse of pointX):
    // ((P div n) div 2 + X − L) × n div P + first − 1 with P = W − R − L. 0 when
    // nothing is plotted (first 0) or the plot has no width.
    int elementAt(int x, int first, int last) const;
};
}
