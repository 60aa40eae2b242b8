#!/usr/bin/env python3
"""Writes the 96 numbered skins (Qt style sheets) and their resource file.

Each skin has its own colour (hues spaced by a step coprime with 360, so no two
share one), and they vary in light or dark scheme, corner radius, border width
and flat or gradient buttons. 81 and 82 are one skin; 90 is the shop's own
default blue."""
import colorsys
import os
import sys


def rgb(h, s, l):
    r, g, b = colorsys.hls_to_rgb((h % 360) / 360.0, l, s)
    return "#%02x%02x%02x" % (round(r * 255), round(g * 255), round(b * 255))


def skin(n):
    if n == 82:
        n = 81
    hue = (n * 37) % 360
    dark = n % 3 == 0
    radius = [0, 3, 6, 10][n % 4]
    border = 1 + (n // 4) % 2
    gradient = (n // 8) % 2 == 0
    sat = 0.45 + 0.1 * ((n // 16) % 3)
    if n == 90:  # the default: a calm blue, light, gently rounded
        hue, dark, radius, border, gradient, sat = 212, False, 4, 1, True, 0.55
    window = rgb(hue, sat * 0.5, 0.16 if dark else 0.94)
    text = "#f0f0f0" if dark else "#1a1a1a"
    base = rgb(hue, sat * 0.3, 0.22 if dark else 0.99)
    accent = rgb(hue, sat, 0.45)
    accent_light = rgb(hue, sat, 0.62 if not dark else 0.38)
    frame = rgb(hue, sat, 0.30 if not dark else 0.60)
    button_top = rgb(hue, sat, 0.88 if not dark else 0.34)
    button_bottom = rgb(hue, sat, 0.74 if not dark else 0.24)
    button = ("qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %s, stop:1 %s)" % (button_top, button_bottom)
              if gradient else button_bottom)
    return f"""/* Kavello skin {n:02d} */
QWidget {{ background-color: {window}; color: {text}; }}
QGroupBox {{ border: {border}px solid {frame}; border-radius: {radius}px; margin-top: 14px; }}
QGroupBox::title {{ subcontrol-origin: margin; left: 8px; padding: 0 3px; color: {accent}; }}
QPushButton {{ background: {button}; color: {text}; border: {border}px solid {frame};
  border-radius: {radius}px; padding: 2px 6px; }}
QPushButton:hover {{ border-color: {accent}; }}
QPushButton:pressed {{ background: {accent_light}; }}
QPushButton:default {{ border-width: {border + 1}px; }}
QLineEdit, QListWidget, QTreeWidget, QTextEdit, QComboBox {{ background-color: {base}; color: {text};
  border: {border}px solid {frame}; border-radius: {max(0, radius - 2)}px;
  selection-background-color: {accent}; selection-color: #ffffff; }}
QHeaderView::section {{ background: {button}; color: {text}; border: 0; border-right: 1px solid {frame};
  border-bottom: 1px solid {frame}; padding: 2px 4px; }}
QLabel {{ background: transparent; }}
QProgressBar {{ border: {border}px solid {frame}; border-radius: {radius}px; text-align: center; }}
QProgressBar::chunk {{ background-color: {accent}; }}
"""


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    entries = []
    for n in range(1, 97):
        if n == 82:
            entries.append('    <file alias="skins/82.qss">81.qss</file>')
            continue
        path = os.path.join(out_dir, "%d.qss" % n)
        text = skin(n)
        old = open(path, encoding="utf-8").read() if os.path.exists(path) else None
        if old != text:
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        entries.append('    <file alias="skins/%d.qss">%d.qss</file>' % (n, n))
    qrc = "<RCC>\n  <qresource prefix=\"/\">\n" + "\n".join(entries) + "\n  </qresource>\n</RCC>\n"
    with open(os.path.join(out_dir, "skins.qrc"), "w", encoding="utf-8") as f:
        f.write(qrc)


if __name__ == "__main__":
    main(sys.argv[1])
