#!/usr/bin/env python3
"""Draws the program's pictures and animations into resources/.

Run with Debian's python3 and python3-pil:  /usr/bin/python3 tools/make_assets.py
Every picture is drawn here from shapes and the DejaVu fonts, so the set stays coherent:
deep navy and film black, warm amber highlights, white text.
"""
import math
import os
from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
PIC = os.path.join(ROOT, "pictures")
ANIM = os.path.join(ROOT, "animations")
FONTS = "/usr/share/fonts/truetype/dejavu/"

NAVY = (20, 33, 75)
NAVY_LIGHT = (44, 66, 130)
AMBER = (240, 165, 0)
AMBER_LIGHT = (255, 205, 90)
FILM = (28, 28, 30)
WHITE = (255, 255, 255)
GREY = (200, 204, 214)
RED = (190, 30, 45)
GREEN = (33, 140, 70)


def font(size, bold=True, serif=False):
    name = ("DejaVuSerif" if serif else "DejaVuSans") + ("-Bold" if bold else "") + ".ttf"
    return ImageFont.truetype(FONTS + name, size)


def save(img, name):
    img.save(os.path.join(PIC, name), optimize=True)


def vertical_gradient(size, top, bottom):
    w, h = size
    img = Image.new("RGB", size)
    d = ImageDraw.Draw(img)
    for y in range(h):
        t = y / max(1, h - 1)
        d.line([(0, y), (w, y)], fill=tuple(int(a + (b - a) * t) for a, b in zip(top, bottom)))
    return img


def film_strip(d, x0, y0, w, h, offset=0, hole=AMBER_LIGHT):
    """A horizontal strip of film with sprocket holes, shifted by `offset` pixels."""
    d.rectangle([x0, y0, x0 + w - 1, y0 + h - 1], fill=FILM)
    step = max(6, h)
    hole_w = max(2, step // 2 - 1)
    hole_h = max(2, h // 4)
    for x in range(x0 - step + offset % step, x0 + w, step):
        for yy in (y0 + 1, y0 + h - 1 - hole_h):
            d.rectangle([max(x0, x), yy, min(x0 + w - 1, x + hole_w - 1), yy + hole_h - 1], fill=hole)


def reel(d, cx, cy, r, colour=WHITE, back=NAVY):
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=colour)
    for k in range(5):
        a = k * 2 * math.pi / 5 - math.pi / 2
        hx, hy = cx + math.cos(a) * r * 0.55, cy + math.sin(a) * r * 0.55
        hr = r * 0.2
        d.ellipse([hx - hr, hy - hr, hx + hr, hy + hr], fill=back)
    d.ellipse([cx - r * 0.1, cy - r * 0.1, cx + r * 0.1, cy + r * 0.1], fill=back)


def clapper(d, x, y, w, h):
    top = h // 4
    d.rectangle([x, y + top, x + w, y + h], fill=FILM)
    d.polygon([(x, y + top), (x + w, y), (x + w, y + top - 2), (x, y + top + top - 2)], fill=WHITE)
    for k in range(5):
        sx = x + k * w // 5
        d.polygon([(sx + 4, y + top + 3 - k * top // 5), (sx + w // 10 + 4, y + top + 1 - k * top // 5 - 3),
                   (sx + w // 5, y + top - k * top // 5 - 4), (sx + w // 10, y + top + 3 - k * top // 5)], fill=FILM)
    for k in range(3):
        d.rectangle([x + 6, y + top + 10 + k * (h - top) // 3, x + w - 6,
                     y + top + 14 + k * (h - top) // 3], fill=GREY)


def person(d, cx, cy, s, colour):
    d.ellipse([cx - s * 0.35, cy - s, cx + s * 0.35, cy - s * 0.3], fill=colour)
    d.pieslice([cx - s * 0.7, cy - s * 0.2, cx + s * 0.7, cy + s * 1.1], 180, 360, fill=colour)


def rounded_tile(size, colour):
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([2, 2, size[0] - 3, size[1] - 3], radius=size[0] // 6, fill=colour)
    return img, d


def logo():
    w, h = 687, 309
    img = vertical_gradient((w, h), NAVY, (8, 12, 32))
    d = ImageDraw.Draw(img)
    for k in range(18):  # spotlight rays
        a = -math.pi / 2 + (k - 9) * 0.09
        d.line([(520, 330), (520 + math.cos(a) * 600, 330 + math.sin(a) * 600)], fill=(30, 46, 96), width=9)
    film_strip(d, 0, 14, w, 26)
    film_strip(d, 0, h - 40, w, 26)
    reel(d, 560, 160, 74, WHITE, (12, 20, 48))
    reel(d, 470, 122, 40, GREY, (12, 20, 48))
    d.text((34, 86), "Filmeria", font=font(74, serif=True), fill=WHITE)
    d.text((38, 172), "PRO", font=font(44), fill=AMBER)
    d.text((150, 182), "gestione videoteca", font=font(24, bold=False), fill=GREY)
    d.line([(38, 226), (420, 226)], fill=AMBER, width=3)
    d.text((38, 234), "film  \u00b7  clienti  \u00b7  noleggi", font=font(18, bold=False), fill=GREY)
    save(img, "logo.png")


def tiles():
    img = Image.new("RGB", (72, 72), (238, 241, 248))
    d = ImageDraw.Draw(img)
    for x in range(0, 72, 12):  # a faint film perforation
        d.rounded_rectangle([x + 3, 33, x + 8, 38], radius=1, fill=(228, 232, 243))
    save(img, "tile72.png")
    img = Image.new("RGB", (86, 45), (234, 241, 236))
    d = ImageDraw.Draw(img)
    d.ellipse([30, 9, 56, 35], outline=(220, 230, 223), width=2)
    d.ellipse([39, 18, 47, 26], fill=(220, 230, 223))
    save(img, "tile86x45.png")


def small_icons():
    icons = {
        "icon_guida.png": (NAVY_LIGHT, "?"),
        "icon_info.png": (GREEN, "i"),
        "icon_copyright.png": (AMBER, "\u00a9"),
    }
    for name, (colour, glyph) in icons.items():
        img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
        d = ImageDraw.Draw(img)
        d.ellipse([1, 1, 30, 30], fill=colour, outline=(255, 255, 255), width=2)
        f = font(20)
        box = d.textbbox((0, 0), glyph, font=f)
        d.text(((32 - (box[2] - box[0])) / 2 - box[0], (32 - (box[3] - box[1])) / 2 - box[1]), glyph, font=f,
               fill=WHITE)
        save(img, name)
    img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.ellipse([1, 1, 30, 30], fill=RED, outline=WHITE, width=2)
    d.arc([8, 8, 23, 23], 300, 240, fill=WHITE, width=3)
    d.line([(16, 5), (16, 15)], fill=WHITE, width=3)
    save(img, "icon_esci.png")
    img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.polygon([(2, 0), (10, 0), (14, 4), (14, 15), (2, 15)], fill=WHITE, outline=(120, 0, 0))
    d.rectangle([0, 8, 11, 13], fill=RED)
    d.text((1, 7), "PDF", font=font(5), fill=WHITE)
    save(img, "pdf.png")
    img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rectangle([1, 3, 14, 12], fill=WHITE, outline=NAVY)
    d.line([(1, 3), (8, 9), (14, 3)], fill=NAVY)
    save(img, "icon_mail16.png")
    img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.ellipse([1, 1, 14, 14], fill=(70, 130, 200), outline=NAVY)
    d.line([(1, 8), (14, 8)], fill=WHITE)
    d.ellipse([5, 1, 10, 14], outline=WHITE)
    save(img, "icon_web16.png")


def big_buttons():
    size = (96, 96)
    img, d = rounded_tile(size, NAVY)
    clapper(d, 16, 18, 64, 60)
    save(img, "button_film.png")
    img, d = rounded_tile(size, (36, 100, 70))
    person(d, 36, 46, 18, GREY)
    person(d, 60, 42, 22, WHITE)
    save(img, "button_clienti.png")
    img, d = rounded_tile(size, (150, 70, 20))
    d.polygon([(26, 14), (70, 14), (70, 82), (64, 76), (58, 82), (52, 76), (46, 82), (40, 76), (34, 82),
               (26, 76)], fill=WHITE)
    for k in range(5):
        d.rectangle([32, 24 + k * 10, 64 - (k % 2) * 10, 27 + k * 10], fill=(160, 160, 170))
    d.text((50, 62), "\u20ac", font=font(14), fill=(150, 70, 20))
    save(img, "button_noleggi.png")
    img, d = rounded_tile(size, GREEN)
    d.rectangle([18, 18, 78, 78], fill=WHITE)
    for k in range(1, 4):
        d.line([(18, 18 + k * 15), (78, 18 + k * 15)], fill=(120, 170, 130), width=2)
        d.line([(18 + k * 15, 18), (18 + k * 15, 78)], fill=(120, 170, 130), width=2)
    d.rectangle([18, 18, 78, 33], fill=(180, 215, 190))
    d.polygon([(56, 60), (84, 60), (84, 52), (94, 66), (84, 80), (84, 72), (56, 72)], fill=AMBER)
    save(img, "button_esporta.png")
    # The returns desk: a reel coming back, under an arrow turning round to it, and a clock.
    img, d = rounded_tile(size, (110, 40, 110))
    reel(d, 40, 54, 22, WHITE, (110, 40, 110))
    d.arc([14, 10, 84, 80], 200, 330, fill=AMBER, width=6)
    d.polygon([(8, 42), (26, 42), (14, 58)], fill=AMBER)
    d.ellipse([58, 52, 88, 82], fill=AMBER_LIGHT, outline=WHITE, width=2)
    d.line([(73, 67), (73, 57)], fill=NAVY, width=2)
    d.line([(73, 67), (81, 67)], fill=NAVY, width=2)
    save(img, "button_rientri.png")
    # The statistics: columns rising over an axis, a line of the year before across them.
    img, d = rounded_tile(size, (20, 110, 140))
    d.line([(18, 16), (18, 80), (82, 80)], fill=WHITE, width=3)
    for k, h in enumerate([22, 36, 28, 50, 44]):
        d.rectangle([24 + k * 11, 78 - h, 31 + k * 11, 78], fill=AMBER if k % 2 else AMBER_LIGHT)
    d.line([(27, 60), (38, 46), (49, 54), (60, 34), (71, 40)], fill=WHITE, width=2)
    save(img, "button_statistiche.png")


def titles():
    """The titles under the main window's six big buttons, one column wide each: the largest
    type up to 14 points that fits the column."""
    width = 122
    for name, text in [("title_film.png", "Archivio film"), ("title_clienti.png", "Archivio clienti"),
                       ("title_noleggi.png", "Gestione noleggi"), ("title_rientri.png", "Film in noleggio"),
                       ("title_statistiche.png", "Statistiche"), ("title_esporta.png", "Esporta in Excel")]:
        img = Image.new("RGBA", (width, 30), (0, 0, 0, 0))
        d = ImageDraw.Draw(img)
        size = 14
        while True:
            f = font(size)
            box = d.textbbox((0, 0), text, font=f)
            if box[2] - box[0] <= width - 6 or size <= 9:
                break
            size -= 1
        x = (width - (box[2] - box[0])) / 2 - box[0]
        d.text((x, 4), text, font=f, fill=NAVY)
        d.line([(x, 25), (x + box[2] - box[0], 25)], fill=AMBER, width=2)
        save(img, name)


def banners():
    img = vertical_gradient((543, 42), NAVY_LIGHT, NAVY)
    d = ImageDraw.Draw(img)
    film_strip(d, 0, 0, 543, 8)
    film_strip(d, 0, 34, 543, 8)
    d.text((12, 11), "Filmeria", font=font(17, serif=True), fill=WHITE)
    d.text((104, 13), "PRO", font=font(14), fill=AMBER)
    d.text((150, 14), "guida in linea", font=font(13, bold=False), fill=GREY)
    reel(d, 520, 21, 11, WHITE, NAVY)
    save(img, "help_banner.png")
    img = vertical_gradient((360, 64), NAVY_LIGHT, NAVY)
    d = ImageDraw.Draw(img)
    film_strip(d, 0, 0, 360, 10)
    film_strip(d, 0, 54, 360, 10)
    d.text((14, 16), "Filmeria", font=font(26, serif=True), fill=WHITE)
    d.text((150, 21), "PRO", font=font(20), fill=AMBER)
    reel(d, 326, 32, 18, WHITE, NAVY)
    save(img, "login_logo.png")
    img = Image.new("RGBA", (64, 64), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([14, 28, 50, 60], radius=5, fill=AMBER)
    d.arc([20, 6, 44, 40], 180, 360, fill=NAVY, width=6)
    d.line([(20, 23), (20, 30)], fill=NAVY, width=6)
    d.line([(44, 23), (44, 30)], fill=NAVY, width=6)
    d.ellipse([28, 38, 36, 46], fill=NAVY)
    d.rectangle([31, 44, 33, 52], fill=NAVY)
    save(img, "login_key.png")


def info_pictures():
    img = vertical_gradient((40, 262), NAVY_LIGHT, NAVY)
    d = ImageDraw.Draw(img)
    film_strip(d, 0, 0, 40, 6)
    txt = Image.new("RGBA", (240, 40), (0, 0, 0, 0))
    ImageDraw.Draw(txt).text((6, 6), "Filmeria Pro", font=font(22, serif=True), fill=WHITE)
    img.paste(txt.rotate(90, expand=True), (0, 14), txt.rotate(90, expand=True))
    save(img, "info_logo.png")
    img = vertical_gradient((102, 102), (60, 90, 160), NAVY)
    d = ImageDraw.Draw(img)
    reel(d, 51, 51, 36, WHITE, NAVY)
    save(img, "info_autore.png")
    img = Image.new("RGB", (370, 259), WHITE)
    d = ImageDraw.Draw(img)
    d.text((14, 12), "Filmeria Pro", font=font(24, serif=True), fill=NAVY)
    d.line([(14, 46), (356, 46)], fill=AMBER, width=2)
    lines = ["Gestione di videoteche e collezioni", "private di film.", "",
             "Archivio film con locandine, archivio", "clienti con controllo di codice fiscale",
             "e partita IVA, schede di noleggio con", "calcolo automatico di giorni e importi.", "",
             "Studio Lanterna Software"]
    for k, line in enumerate(lines):
        d.text((14, 58 + k * 20), line, font=font(13, bold=k == len(lines) - 1), fill=FILM)
    save(img, "info_text.png")


def splash():
    w, h = 597, 362
    img = vertical_gradient((w, h), (10, 14, 36), NAVY)
    d = ImageDraw.Draw(img)
    for k in range(60):
        x, y = (k * 97) % w, (k * 53) % (h - 80) + 40
        d.point((x, y), fill=GREY)
    film_strip(d, 0, 0, w, 24)
    film_strip(d, 0, h - 24, w, 24)
    # "PRO" follows the name at its measured width, on the name's baseline.
    name_font, pro_font = font(64, serif=True), font(34)
    name_box = d.textbbox((0, 0), "Filmeria", font=name_font, anchor="ls")
    pro_box = d.textbbox((0, 0), "PRO", font=pro_font, anchor="ls")
    gap = 14
    left = (w - (name_box[2] - name_box[0]) - gap - (pro_box[2] - pro_box[0])) // 2
    d.text((left, 194), "Filmeria", font=name_font, fill=WHITE, anchor="ls")
    d.text((left + name_box[2] + gap, 194), "PRO", font=pro_font, fill=AMBER, anchor="ls")
    d.text((180, 214), "\u00a9 2026 Studio Lanterna Software", font=font(15, bold=False), fill=GREY)
    save(img, "splash.png")
    img = Image.new("RGB", (108, 60), (255, 0, 255))
    d = ImageDraw.Draw(img)
    reel(d, 30, 30, 26, WHITE, (255, 0, 255))
    reel(d, 80, 30, 22, AMBER, (255, 0, 255))
    img.save(os.path.join(PIC, "sprite.bmp"))


def animations():
    def save_gif(frames, name, delay_ms, loop):
        pal = [f.convert("P", palette=Image.ADAPTIVE, colors=32) for f in frames]
        pal[0].save(os.path.join(ANIM, name), save_all=True, append_images=pal[1:], duration=delay_ms,
                    loop=loop, disposal=1, optimize=False)

    for name, phase in (("RESNAME1.gif", 0), ("RESNAME2.gif", 4)):
        frames = []
        for f in range(3):
            img = Image.new("RGB", (494, 11), FILM)
            film_strip(ImageDraw.Draw(img), 0, 0, 494, 11, offset=phase + f * 4)
            frames.append(img)
        save_gif(frames, name, 100, 0)

    frames = []
    for f in range(40):  # an envelope that bobs and flaps
        img = Image.new("RGB", (21, 23), WHITE)
        d = ImageDraw.Draw(img)
        dy = round(2 * math.sin(f * 2 * math.pi / 40))
        d.rectangle([1, 7 + dy, 19, 19 + dy], fill=AMBER_LIGHT, outline=NAVY)
        flap = round(6 * math.cos(f * 2 * math.pi / 20))
        d.polygon([(1, 7 + dy), (10, 13 + dy + flap // 2), (19, 7 + dy)], fill=AMBER, outline=NAVY)
        if f % 10 < 5:
            d.ellipse([15, 1 + dy, 20, 6 + dy], fill=RED)
        d.point((f // 2, 22), fill=AMBER if f % 2 else NAVY)  # a spark running along the bottom edge
        frames.append(img)
    save_gif(frames, "RESNAME3.gif", 80, 0)

    frames = []
    for f in range(7):  # a turning globe
        img = Image.new("RGB", (15, 15), WHITE)
        d = ImageDraw.Draw(img)
        d.ellipse([0, 0, 14, 14], fill=(70, 130, 200), outline=NAVY)
        x = 2 + (f * 2) % 12
        d.arc([x - 4, 0, x + 4, 14], 0, 360, fill=WHITE)
        d.line([(0, 7), (14, 7)], fill=WHITE)
        frames.append(img)
    save_gif(frames, "RESNAME4.gif", 350, 400)


def command_icons():
    """32 x 32 pictures of the command columns, 16 x 16 field buttons, 24 x 24 arrows."""
    def tile(colour):
        img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
        d = ImageDraw.Draw(img)
        d.rounded_rectangle([1, 1, 30, 30], radius=6, fill=colour, outline=WHITE, width=1)
        return img, d

    img, d = tile(NAVY_LIGHT)  # new: a page with a plus
    d.polygon([(9, 6), (19, 6), (24, 11), (24, 26), (9, 26)], fill=WHITE)
    d.line([(16, 12), (16, 22)], fill=GREEN, width=3)
    d.line([(11, 17), (21, 17)], fill=GREEN, width=3)
    save(img, "cmd_nuovo.png")
    img, d = tile(NAVY_LIGHT)  # save: a floppy disk
    d.rectangle([7, 7, 25, 25], fill=(40, 40, 48))
    d.rectangle([11, 7, 21, 13], fill=GREY)
    d.rectangle([10, 17, 22, 25], fill=WHITE)
    save(img, "cmd_salva.png")
    img, d = tile(NAVY_LIGHT)  # search: a magnifier
    d.ellipse([7, 6, 20, 19], outline=WHITE, width=3)
    d.line([(18, 18), (25, 25)], fill=AMBER, width=4)
    save(img, "cmd_trova.png")
    img, d = tile(NAVY_LIGHT)  # print: a printer
    d.rectangle([10, 5, 22, 12], fill=WHITE)
    d.rounded_rectangle([5, 11, 27, 22], radius=2, fill=GREY)
    d.rectangle([10, 18, 22, 27], fill=WHITE)
    d.line([(12, 21), (20, 21)], fill=GREY)
    d.line([(12, 24), (20, 24)], fill=GREY)
    save(img, "cmd_stampa.png")
    img, d = tile(GREEN)  # export: a sheet
    d.rectangle([7, 7, 25, 25], fill=WHITE)
    for k in (13, 19):
        d.line([(7, k), (25, k)], fill=GREEN)
        d.line([(k, 7), (k, 25)], fill=GREEN)
    save(img, "cmd_excel.png")
    img, d = tile((40, 90, 170))  # word-processor document
    d.polygon([(9, 5), (19, 5), (24, 10), (24, 27), (9, 27)], fill=WHITE)
    for k in range(4):
        d.line([(12, 12 + k * 4), (21, 12 + k * 4)], fill=(40, 90, 170), width=2)
    save(img, "cmd_word.png")
    img, d = tile(NAVY_LIGHT)  # web search: a globe with a magnifier
    d.ellipse([5, 5, 22, 22], fill=(70, 130, 200), outline=WHITE)
    d.line([(5, 13), (22, 13)], fill=WHITE)
    d.ellipse([10, 5, 17, 22], outline=WHITE)
    d.ellipse([17, 17, 25, 25], outline=AMBER, width=2)
    d.line([(24, 24), (28, 28)], fill=AMBER, width=3)
    save(img, "cmd_web.png")
    img, d = tile(RED)  # delete: a bin
    d.rectangle([9, 11, 23, 26], fill=WHITE)
    d.rectangle([7, 8, 25, 10], fill=WHITE)
    d.rectangle([13, 5, 19, 8], fill=WHITE)
    for x in (13, 16, 19):
        d.line([(x, 14), (x, 23)], fill=RED)
    save(img, "cmd_elimina.png")
    img, d = tile(NAVY_LIGHT)  # letterhead: a shop front
    d.rectangle([6, 14, 26, 26], fill=WHITE)
    d.polygon([(4, 14), (16, 5), (28, 14)], fill=AMBER)
    d.rectangle([13, 18, 19, 26], fill=NAVY)
    save(img, "cmd_azienda.png")

    arrows = {"arrow_primo.png": "|<", "arrow_indietro.png": "<", "arrow_avanti.png": ">",
              "arrow_ultimo.png": ">|"}
    for name, shape in arrows.items():
        img = Image.new("RGBA", (24, 24), (0, 0, 0, 0))
        d = ImageDraw.Draw(img)
        d.ellipse([1, 1, 22, 22], fill=NAVY, outline=WHITE)
        left = "<" in shape
        tip, base = (7, 16) if left else (16, 7)
        d.polygon([(tip, 11.5), (base, 6), (base, 17)], fill=WHITE)
        if "|" in shape:
            bar = 6 if left else 17
            d.rectangle([bar - 1, 6, bar, 17], fill=WHITE)
        save(img, name)

    img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))  # calendar
    d = ImageDraw.Draw(img)
    d.rectangle([1, 2, 14, 14], fill=WHITE, outline=NAVY)
    d.rectangle([1, 2, 14, 5], fill=RED)
    for x in (4, 8, 12):
        for y in (8, 11):
            d.point((x, y), fill=NAVY)
            d.point((x - 1, y), fill=NAVY)
    save(img, "icon_calendario.png")
    img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))  # calculator
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([2, 0, 13, 15], radius=2, fill=NAVY)
    d.rectangle([4, 2, 11, 5], fill=(200, 230, 200))
    for x in (4, 7, 10):
        for y in (8, 11):
            d.rectangle([x, y, x + 1, y + 1], fill=WHITE)
    save(img, "icon_calcola.png")
    img = Image.new("RGBA", (24, 24), (0, 0, 0, 0))  # import a customer
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([0, 0, 23, 23], radius=4, fill=(36, 100, 70))
    person(d, 12, 11, 8, WHITE)
    save(img, "import_cliente.png")
    img = Image.new("RGBA", (24, 24), (0, 0, 0, 0))  # import a film
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([0, 0, 23, 23], radius=4, fill=NAVY)
    reel(d, 12, 12, 8, WHITE, NAVY)
    save(img, "import_film.png")


def fiscal_banner():
    """421 x 73: a fiscal-code card and the words "Controllo codice fiscale"."""
    img = vertical_gradient((421, 73), NAVY_LIGHT, NAVY)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([12, 10, 112, 63], radius=6, fill=(214, 232, 214), outline=WHITE)
    d.rectangle([18, 18, 44, 44], fill=(170, 190, 170))
    person(d, 31, 36, 9, WHITE)
    for k in range(4):
        d.rectangle([52, 20 + k * 9, 104 - (k % 2) * 14, 23 + k * 9], fill=(90, 110, 90))
    d.text((128, 14), "Controllo", font=font(16, bold=False), fill=GREY)
    d.text((128, 34), "codice fiscale", font=font(24, serif=True), fill=WHITE)
    save(img, "cf_banner.png")


def film_card_pictures():
    img = vertical_gradient((245, 328), (226, 232, 242), (196, 206, 224))
    d = ImageDraw.Draw(img)
    film_strip(d, 0, 0, 245, 18)
    film_strip(d, 0, 310, 245, 18)
    reel(d, 122, 140, 58, WHITE, (196, 206, 224))
    f = font(15)
    for k, line in enumerate(("Nessuna", "locandina")):
        box = d.textbbox((0, 0), line, font=f)
        d.text(((245 - (box[2] - box[0])) / 2, 222 + k * 22), line, font=f, fill=NAVY)
    save(img, "poster_placeholder.png")
    # The magnifier sits on the poster, light or dark: a navy tile with a white rim carries it.
    big = Image.new("RGBA", (88, 88), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)
    d.rounded_rectangle([2, 2, 85, 85], radius=16, fill=NAVY, outline=WHITE, width=6)
    d.ellipse([16, 14, 56, 54], outline=WHITE, width=8)
    d.line([(50, 48), (72, 70)], fill=WHITE, width=12)
    save(big.resize((22, 22), Image.LANCZOS), "icon_zoom.png")
    img = Image.new("RGBA", (24, 24), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([1, 1, 22, 22], radius=4, fill=GREEN)
    d.polygon([(6, 9), (18, 9), (15, 19), (9, 19)], fill=WHITE)
    d.rectangle([5, 6, 19, 8], fill=WHITE)
    save(img, "icon_vacuum.png")


def film_reel_picture(size):
    """The film reel printed on slips and membership cards: upright, a reel over a strip of film."""
    w, h = size
    img = Image.new("RGB", size, WHITE)
    d = ImageDraw.Draw(img)
    r = int(w * 0.42)
    cx, cy = w // 2, int(h * 0.42)
    reel(d, cx, cy, r, FILM, WHITE)
    d.ellipse([cx - r, cy - r, cx + r, cy + r], outline=FILM, width=max(1, w // 60))
    strip_h = max(8, h // 7)
    film_strip(d, 0, h - strip_h - max(2, h // 40), w, strip_h, hole=WHITE)
    return img


def print_pictures():
    def tile(colour, size):
        img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
        d = ImageDraw.Draw(img)
        d.rounded_rectangle([1, 1, size - 2, size - 2], radius=size // 6, fill=colour, outline=WHITE, width=1)
        return img, d

    save(film_reel_picture((195, 212)), "print_reel.png")
    save(film_reel_picture((82, 93)), "reel_small.png")
    img, d = tile(NAVY_LIGHT, 64)  # the print screen's printer
    d.rectangle([18, 8, 46, 24], fill=WHITE)
    d.rounded_rectangle([8, 22, 56, 44], radius=4, fill=GREY)
    d.rectangle([18, 36, 46, 58], fill=WHITE)
    for y in (43, 48, 53):
        d.line([(22, y), (42, y)], fill=GREY, width=2)
    d.ellipse([47, 27, 51, 31], fill=AMBER)
    save(img, "printer.png")
    img, d = tile(AMBER, 64)  # the letterhead screen's shop front
    d.polygon([(8, 26), (32, 8), (56, 26)], fill=NAVY)
    d.rectangle([12, 26, 52, 56], fill=WHITE)
    d.rectangle([18, 34, 30, 56], fill=NAVY_LIGHT)
    d.rectangle([36, 34, 48, 46], fill=NAVY_LIGHT)
    save(img, "azienda.png")


def app_icon():
    img = Image.new("RGBA", (64, 64), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([2, 2, 61, 61], radius=12, fill=NAVY)
    reel(d, 32, 32, 22, WHITE, NAVY)
    d.rectangle([2, 50, 61, 58], fill=AMBER)
    save(img, "app_icon.png")


def package_icons():
    """The program's icon at the desktop's usual sizes, for the installed package."""
    folder = os.path.join(os.path.dirname(PIC), "icons")
    os.makedirs(folder, exist_ok=True)
    for size in (16, 24, 32, 48, 64, 128, 256):
        s = size * 4
        img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
        d = ImageDraw.Draw(img)
        m = s // 32
        d.rounded_rectangle([m, m, s - m - 1, s - m - 1], radius=s // 5, fill=(20, 33, 75))
        cx, cy, r = s // 2, s // 2 - s // 16, s * 11 // 32
        d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=WHITE)
        hole = r * 3 // 10
        for k in range(5):
            a = math.pi * 2 * k / 5 - math.pi / 2
            hx, hy = cx + int(math.cos(a) * r * 0.55), cy + int(math.sin(a) * r * 0.55)
            d.ellipse([hx - hole, hy - hole, hx + hole, hy + hole], fill=(20, 33, 75))
        d.ellipse([cx - r // 8, cy - r // 8, cx + r // 8, cy + r // 8], fill=(20, 33, 75))
        d.rectangle([m, s * 25 // 32, s - m - 1, s * 28 // 32], fill=(240, 160, 0))
        img.resize((size, size), Image.LANCZOS).save(os.path.join(folder, f"filmeria-pro-{size}.png"), optimize=True)


if __name__ == "__main__":
    os.makedirs(PIC, exist_ok=True)
    os.makedirs(ANIM, exist_ok=True)
    logo()
    tiles()
    small_icons()
    big_buttons()
    titles()
    banners()
    info_pictures()
    splash()
    animations()
    command_icons()
    fiscal_banner()
    film_card_pictures()
    print_pictures()
    app_icon()
    package_icons()
