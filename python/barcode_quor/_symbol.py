"""make() and the symbol object it returns: the data is encoded once, in make(); every output is
a render of that one encoded symbol."""
from __future__ import annotations

import base64
import inspect
import math
import os
import re
from typing import Any, Union

import _barcode_quor_native as _native

from . import _fit, _output, _pixels, _suggest
from ._colours import check_colour, on_white
from ._errors import DataTooLongError, InvalidDataError, InvalidOptionError
from ._options import RENDER_LIMITS, Choice, Flag, Number, check_quiet_zone, whole_sides
from ._symbologies import BY_NAME, Symbology

Colour = Union[str, tuple[int, int, int], tuple[int, int, int, int]]
QuietZoneSetting = Union[int, tuple[int, int, int, int]]

_SCALE = Number(*RENDER_LIMITS["module_pixels"])
_DPI = Number(1, 100000)
_MM = Number(0, 1000, integer=False, low_open=True)
_MODULES = Number(0, RENDER_LIMITS["margin_modules"], integer=False, low_open=True)
_REDUCTION = Number(0, 1000, integer=False)
_MAX_PIXELS = Number(1, 10**12)
_TEXT_POSITION = Choice(("below", "above"))
_FONTS: tuple[str, ...] = RENDER_LIMITS["fonts"]
_ROTATIONS: tuple[int, ...] = RENDER_LIMITS["rotations"]
DEFAULT_MAX_PIXELS = 100_000_000
ZPL_DPIS = (203, 300, 600)  # label printers' head resolutions (8, 12 and 24 dots a millimetre)
_PRINT_MODULE_PIXELS = 24  # layout resolution of print documents drawn in millimetres


def _refuse(option: str, message: str, accepted: str = "") -> InvalidOptionError:
    return InvalidOptionError(message, option=option, accepted=accepted)


def _own_options(s: Symbology, given: dict[str, object]) -> tuple[dict[str, Any], dict[str, Any]]:
    """The symbology's own options, defaults filled in, and the encoder options they set."""
    known = {o.name: o for o in s.options}
    for name in given:
        if name not in known:
            raise _refuse(name, _unknown_option(s, name))
    own = {name: o.kind.check(name, given.get(name, o.default)) for name, o in known.items()}
    return own, {o.field: own[o.name] for o in known.values()}


def _common_options() -> list[str]:
    return [p.name for p in inspect.signature(make).parameters.values() if p.kind is p.KEYWORD_ONLY]


def _unknown_option(s: Symbology, name: str) -> str:
    """Why make() refuses an option name, and the name meant when it can tell."""
    own = [o.name for o in s.options]
    message = f"{s.name} has no option {name!r}"
    others = [e.name for e in BY_NAME.values() if name in (o.name for o in e.options) and e.name != s.name]
    if others:
        return f"{message} ({', '.join(dict.fromkeys(others))} have it); its own options: {', '.join(own) or 'none'}"
    suggestion = _suggest.option(name, [*_common_options(), *own])
    return f"{message}{_suggest.did_you_mean(suggestion)} (its own options: {', '.join(own) or 'none'})"


def _unknown_symbology(symbology: object) -> InvalidOptionError:
    names = ", ".join(BY_NAME)
    suggestion = _suggest.symbology(symbology, BY_NAME) if isinstance(symbology, str) else None
    if suggestion:
        return _refuse("symbology", f"unknown symbology {symbology!r}{_suggest.did_you_mean(suggestion)}", names)
    return _refuse("symbology", f"unknown symbology {symbology!r}; accepted: {names}", names)


_LONE_SURROGATE = re.compile("[\ud800-\udfff]")


def _refuse_lone_surrogates(symbology: str, data: object, given: dict[str, object]) -> None:
    """Every text make() takes must be Unicode scalar values: a lone surrogate (which JSON escapes
    and undecodable command-line bytes become) has no UTF-8 form to encode."""
    for name, value in (("data", data), *given.items()):
        found = _LONE_SURROGATE.search(value) if isinstance(value, str) else None
        if found is None:
            continue
        what = f"character {found.group()!r} at position {found.start()} is a lone surrogate, which is not text"
        if name == "data":
            raise InvalidDataError(f"{symbology}: {what}", character=found.group(), position=found.start())
        raise _refuse(name, f"{name}: {what}")


def _encode(s: Symbology, data: str, encoder_options: dict[str, Any]) -> _native.EncodedSymbol:
    try:
        return _native.encode(s.name, data, **encoder_options)
    except InvalidDataError as error:
        # The encoder knows where the fault is; the character is read from the caller's text.
        position = error.position
        if position is None or isinstance(error, DataTooLongError) or not 0 <= position < len(data):
            raise
        character = data[position]
        raise InvalidDataError(f"{error} (character {character!r} at position {position})", character=character,
                               position=position) from None


def _digital_link_data(s: Symbology, data: str | None, element_string: object,
                       domain: object) -> tuple[Symbology, str]:
    """The symbology and text that carry a GS1 Digital Link URI made from an element string."""
    if s.digital_link_as is None:
        carriers = ", ".join(name for name, e in BY_NAME.items() if e.digital_link_as and name == e.name)
        raise _refuse("digital_link", f"{s.name} cannot carry a GS1 Digital Link URI; these can: {carriers}")
    if data is not None:
        raise _refuse("digital_link", "give data or digital_link, not both")
    if not isinstance(element_string, str) or not isinstance(domain, (str, type(None))):
        raise _refuse("digital_link", "digital_link and domain are str: an element string and a URI prefix")
    under = {} if domain is None else {"domain": domain}  # the native default domain otherwise
    try:
        return BY_NAME[s.digital_link_as], _native.gs1_digital_link(element_string, **under)
    except InvalidOptionError as error:  # the domain is the one option it takes
        raise _refuse("domain", f"{s.name}: {error}") from None
    except InvalidDataError as error:  # in the element string: named, its type kept
        raise InvalidDataError(f"{s.name}: digital_link: {error}", character=error.character,
                               position=error.position) from None


def _printer_size(s: Symbology, encoded: _native.EncodedSymbol, printer_dpi: int, scale: int | None,
                  dpi: int | None, x_dim_mm: float | None, height: float | None,
                  height_mm: float | None) -> tuple[int, int, None, float | None]:
    """scale, dpi, x_dim_mm and height for make(printer_dpi=...): whole dots inside the legal range."""
    for name, value in (("scale", scale), ("dpi", dpi)):
        if value is not None:
            raise _refuse(name, f"give {name} or printer_dpi, not both: printer_dpi sets the scale and dpi")
    printer_dpi = int(_DPI.check("printer_dpi", printer_dpi) or 0)
    advice = _fit.fit(s.name, printer_dpi, x_dim_mm)
    if advice.dots is None:
        low, _, high = advice.x_range_mm
        raise _refuse("printer_dpi", f"{s.name} cannot be printed at {printer_dpi} dpi: no whole number of dots "
                                     f"is within {low:.3f} to {high:.3f} mm; the nearest dpi that works is "
                                     f"{advice.nearest_dpi}")
    minimum = advice.min_bar_height_dots
    if (height is None and height_mm is None and minimum is not None and encoded.row_count == 1
            and encoded.bar_height * advice.dots < minimum):
        height = minimum / advice.dots
    return advice.dots, printer_dpi, None, height


class _Appearance:
    """make()'s size and appearance options checked, as the render step's options."""

    def __init__(self, s: Symbology, encoded: _native.EncodedSymbol, given: dict[str, Any]) -> None:
        self.symbology = s.name
        self.dpi: int | None = None if given["dpi"] is None else int(_DPI.check("dpi", given["dpi"]) or 0)
        self.scale, self.module_mm = self._module(s, given)
        linear = encoded.shape == "linear"
        for name in ("height", "height_mm", "show_text", "text", "text_size_mm", "text_gap_mm", "font",
                     "light_margin_indicators"):
            if not linear and given[name] is not None:
                raise _refuse(name, f"{s.name} has no {name} setting")
        quiet_zone = given["quiet_zone"]
        self.quiet_zone = whole_sides(encoded.quiet_zone) if quiet_zone is None else check_quiet_zone(quiet_zone)
        self.options: dict[str, Any] = {
            "module_pixels": self.scale, "dpi": self.dpi or 0, "module_mm": self.module_mm or 0.0,
            "quiet_zone": self.quiet_zone, **self._bar_height(given), **self._text(given),
            "rotate": self._rotate(given["rotate"]),
            "bar_width_reduction_pixels": self._reduction(given["bar_width_reduction"]),
            "foreground": check_colour("foreground", given["foreground"]),
            "background": check_colour("background", given["background"]),
            "max_pixels": int(_MAX_PIXELS.check("max_pixels", given["max_pixels"]) or 0),
            "cmyk": Flag().check("cmyk", given["cmyk"]),
        }
        self.native_options = _native.render_options(**self.options)

    def _module(self, s: Symbology, given: dict[str, Any]) -> tuple[int, float | None]:
        """Pixels per module, and the exact module width in mm an SVG is drawn at (None: pixels)."""
        scale, x_dim_mm = given["scale"], given["x_dim_mm"]
        if x_dim_mm is None and scale is None:
            x_dim_mm = s.x_dim_mm  # postal codes print at their standard's module
        if x_dim_mm is None:
            return (s.default_scale if scale is None else int(_SCALE.check("scale", scale) or 0)), None
        x_dim_mm = float(_MM.check("x_dim_mm", x_dim_mm) or 0)
        if self.dpi is None:  # SVG exact in mm; raster at scale
            return (s.default_scale if scale is None else int(_SCALE.check("scale", scale) or 0)), x_dim_mm
        if scale is not None:
            raise _refuse("scale", "give scale or x_dim_mm with dpi, not both: x_dim_mm and dpi set the scale")
        pixels = x_dim_mm / 25.4 * self.dpi
        if round(pixels) == 0:
            raise _refuse("x_dim_mm", f"x_dim_mm={x_dim_mm} at dpi={self.dpi} is {pixels:.2f} pixels, which rounds "
                                      "to 0: use a larger X-dimension or a higher dpi")
        return round(pixels), None

    def _bar_height(self, given: dict[str, Any]) -> dict[str, Any]:
        height, height_mm = given["height"], given["height_mm"]
        if height is not None and height_mm is not None:
            raise _refuse("height", "give height or height_mm, not both")
        if height is not None:
            return {"bar_height": self._visible("height", float(_MODULES.check("height", height) or 0))}
        if height_mm is None:
            return {}
        height_mm = float(_MM.check("height_mm", height_mm) or 0)
        if self.dpi is not None:
            pixels = height_mm / 25.4 * self.dpi
            if math.floor(pixels + 0.5) < 1:
                raise _refuse("height_mm", f"{self.symbology}: height_mm={height_mm:g} at dpi={self.dpi} is "
                                           f"{pixels:.2f} pixels, "
                                           "which rounds to 0: the bars would not be drawn")
            return {"bar_height_pixels": math.floor(pixels + 0.5)}
        if self.module_mm is not None:
            return {"bar_height": self._visible("height_mm", height_mm / self.module_mm)}
        raise _refuse("height_mm", "height_mm needs dpi or x_dim_mm to be turned into modules")

    def _visible(self, name: str, modules: float) -> float:
        """A bar height in modules that is at least one pixel at the scale (the render rounds half up)."""
        if math.floor(modules * self.scale + 0.5) < 1:
            raise _refuse(name, f"{self.symbology}: {name} gives bars {modules:g} modules high, "
                                f"{modules * self.scale:.2f} pixels at scale {self.scale}, which rounds to 0: "
                                "the bars would not be drawn")
        return modules

    def _text(self, given: dict[str, Any]) -> dict[str, Any]:
        options: dict[str, Any] = {"text_position": _TEXT_POSITION.check("text_position", given["text_position"])}
        if given["show_text"] is not None:
            options["show_text"] = Flag().check("show_text", given["show_text"])
        if given["light_margin_indicators"] is not None:
            options["light_margin_indicators"] = Flag().check("light_margin_indicators",
                                                              given["light_margin_indicators"])
        text = given["text"]
        if text is not None:
            if not isinstance(text, str):
                raise _refuse("text", f"invalid text: {text!r}; accepted: a str replacing the printed text")
            options["text"] = text
        for name in ("text_size_mm", "text_gap_mm"):
            if given[name] is not None:
                if self.dpi is None and self.module_mm is None:
                    raise _refuse(name, f"{name} needs dpi or x_dim_mm to be turned into pixels")
                options[name] = float(_MM.check(name, given[name]) or 0)
        font = given["font"]
        if font is not None:
            if not isinstance(font, (str, os.PathLike)):
                raise _refuse("font", f"invalid font: {font!r}; accepted: {', '.join(_FONTS)} or a TTF/OTF file path")
            font = os.fspath(font)
            if font.lower() not in _FONTS and not os.path.isfile(font):
                raise _refuse("font", f"font {font!r} is neither {' nor '.join(_FONTS)} nor a font file")
            options["font"] = font.lower() if font.lower() in _FONTS else font
        return options

    @staticmethod
    def _rotate(rotate: object) -> int:
        if isinstance(rotate, int) and not isinstance(rotate, bool) and rotate in _ROTATIONS:
            return rotate
        accepted = ", ".join(map(str, _ROTATIONS))
        raise _refuse("rotate", f"invalid rotate: {rotate!r}; accepted: {accepted} (degrees clockwise)", accepted)

    def _reduction(self, reduction: object) -> float:
        pixels = float(_REDUCTION.check("bar_width_reduction", reduction) or 0)
        if pixels >= self.scale:
            raise _refuse("bar_width_reduction", f"bar_width_reduction={pixels:g} pixels is not less than the "
                                                 f"module ({self.scale} pixels)")
        return pixels


_appearances: dict[tuple[Any, ...], _Appearance] = {}  # rows of a batch share one or a few
_MAX_APPEARANCES = 256


def _typed(value: object) -> object:
    """A value with its type and its items' types: True is 1 to a dict, not to the checks."""
    if isinstance(value, tuple):
        return tuple, tuple(_typed(item) for item in value)
    return type(value), value


def _appearance(s: Symbology, encoded: _native.EncodedSymbol, given: dict[str, Any]) -> _Appearance:
    """The checked appearance, worked out once for each set of settings (values typed, see _typed);
    a font file is looked for on every call."""
    font = given["font"]
    if font is not None and not (isinstance(font, str) and font.lower() in _FONTS):
        return _Appearance(s, encoded, given)
    key = (s.name, encoded.shape, encoded.quiet_zone, *(_typed(v) for v in given.values()))
    try:
        appearance = _appearances.get(key)
    except TypeError:  # an unhashable value (a list for a colour): checked, and refused, each time
        return _Appearance(s, encoded, given)
    if appearance is None:
        appearance = _Appearance(s, encoded, given)
        if len(_appearances) >= _MAX_APPEARANCES:
            _appearances.clear()
        _appearances[key] = appearance
    return appearance


def _lay_out(s: Symbology, encoded: _native.EncodedSymbol, appearance: _Appearance) -> _native.LaidOutSymbol:
    """The render step's layout; its refusals (text too large, a font that cannot draw) named with
    the symbology and the option to change."""
    try:
        return _native.lay_out(encoded, appearance.native_options)
    except InvalidOptionError as error:
        message = str(error)
        if "pixels an em" in message:
            option = "text_size_mm" if appearance.options.get("text_size_mm") else "scale"
            message = f"{message}: use a smaller {option}, or show_text=False"
        else:
            option = "font" if "font" in message or "glyph" in message else error.option
        raise _refuse(option, f"{s.name}: {message}", error.accepted) from None


class Symbol:
    """A barcode symbol ready to be drawn: made by :func:`barcode_quor.make`.

    The data was encoded once, in make(); every output renders that encoded symbol, so any
    number of outputs, of any kind, from any thread, cost no second encode. Attributes:
    ``symbology`` (its canonical name), ``data`` (what was encoded), ``options`` (the symbology's
    own options, defaults filled in), ``text`` (the symbol's full text, check digits included),
    ``scale`` (pixels per module), ``dpi`` (or None), ``x_dim_mm`` (the module width achieved:
    scale / dpi when dpi is given, else the x_dim_mm asked for, else None), ``quiet_zone`` (left,
    top, right, bottom in modules), ``size`` (columns, rows) of the symbol in modules without its
    quiet zone (a Data Matrix of the default shape "any" may be a rectangle), ``pixel_size``
    (width, height) of its PNG or JPEG, and ``encoded`` (the native EncodedSymbol every output is
    drawn from)."""

    def __init__(self, symbology: Symbology, data: str, options: dict[str, Any], encoded: _native.EncodedSymbol,
                 appearance: _Appearance, laid_out: _native.LaidOutSymbol) -> None:
        self.symbology = symbology.name
        self.data = data
        self.options = options
        self.text: str = encoded.full_text
        self.scale = appearance.scale
        self.dpi = appearance.dpi
        achieved = None if self.dpi is None else round(appearance.scale * 25.4 / self.dpi, 6)
        self.x_dim_mm = appearance.module_mm if achieved is None else achieved
        self.quiet_zone = appearance.quiet_zone
        self.size: tuple[int, int] = (encoded.width, encoded.row_count)
        self.pixel_size: tuple[int, int] = laid_out.size
        self.encoded = encoded
        self._laid_out = laid_out  # immutable: every render draws from this one layout
        self._appearance = appearance
        self._opaque_laid_out: _native.LaidOutSymbol | None = None
        options = appearance.options
        self._appearance_options = options
        self._print_laid_out: _native.LaidOutSymbol | None = None
        self._bar_height: float | None = options.get("bar_height") or (
            options["bar_height_pixels"] / self.scale if options.get("bar_height_pixels") else None)

    @property
    def modules(self) -> tuple[tuple[int, ...], ...]:
        """The rows of modules top to bottom, 1 dark and 0 light, without the quiet zone."""
        return _pixels.module_rows(self.encoded)

    @property
    def row_heights(self) -> tuple[float, ...]:
        """Each row's height in modules (1 for 2D codes; bar rows share the bar height)."""
        return _pixels.row_heights(self.encoded, self._bar_height)

    def to_pil(self) -> Any:
        """The PNG as a Pillow image (needs Pillow)."""
        return _pixels.pillow_image(self.png())

    def to_array(self) -> Any:
        """The PNG's pixels as a numpy array: height x width grey levels for a black-and-white
        symbol, height x width x 4 RGBA otherwise (needs Pillow and numpy)."""
        return _pixels.numpy_array(self.png())

    def terminal(self, dark_on_light: bool = False) -> str:
        """The symbol with its quiet zone as UTF-8 half blocks, two module rows a line, no escape
        sequences: light modules are the printed ones (right for a terminal with a dark background),
        dark ones with ``dark_on_light``."""
        return _pixels.terminal_text(self.encoded, self.quiet_zone, self.row_heights, dark_on_light)

    def _render(self, kind: str) -> bytes | str:
        if kind in ("jpeg", "jpg"):
            return self._opaque_layout().render(kind)
        return self._laid_out.render(kind)

    def _opaque_layout(self) -> _native.LaidOutSymbol:
        """The layout for outputs without transparency: translucent colours as they show on white."""
        options = self._appearance.options
        if options["foreground"][3] == 255 and options["background"][3] == 255:
            return self._laid_out
        if self._opaque_laid_out is None:  # two threads may both make it: the same layout either way
            foreground, background = on_white(options["foreground"], options["background"])
            flat = _native.render_options(**{**options, "foreground": foreground, "background": background})
            self._opaque_laid_out = _native.lay_out(self.encoded, flat)
        return self._opaque_laid_out

    def png(self) -> bytes:
        """The symbol as PNG bytes (with a pHYs resolution chunk when dpi was given)."""
        result = self._render("png")
        assert isinstance(result, bytes)
        return result

    def jpeg(self) -> bytes:
        """The symbol as JPEG bytes (with the density set when dpi was given)."""
        result = self._render("jpeg")
        assert isinstance(result, bytes)
        return result

    def svg(self) -> str:
        """The symbol as an SVG document; with dpi or x_dim_mm given, its width and height are in mm."""
        return str(self._render("svg"))

    def _print_layout(self) -> _native.LaidOutSymbol:
        """The layout a print document is drawn from. With a dpi it is the raster's, whole dots of
        that printer; otherwise the symbol is laid out again at many pixels a module (the same
        millimetres), so that glyphs are placed by their outlines rather than by a few pixels."""
        if self.dpi is not None or self.scale >= _PRINT_MODULE_PIXELS:
            return self._laid_out
        if self._print_laid_out is None:
            factor = _PRINT_MODULE_PIXELS / self.scale
            options = dict(self._appearance_options)
            options["module_pixels"] = _PRINT_MODULE_PIXELS
            options["module_mm"] = self.x_dim_mm or self.scale * 25.4 / 96
            options["bar_width_reduction_pixels"] *= factor
            if options.get("bar_height_pixels"):
                options["bar_height_pixels"] = round(options["bar_height_pixels"] * factor)
            self._print_laid_out = _native.lay_out(self.encoded, _native.render_options(**options))
        return self._print_laid_out

    def pdf(self) -> bytes:
        """The symbol as a one-page vector PDF in exact millimetres (X is ``x_dim_mm``; with dpi, the
        whole dots of that resolution; else a CSS pixel a pixel), bars as one filled path, text as
        glyph outlines, colours in DeviceCMYK with ``cmyk=True``; the same bytes every time."""
        result = self._print_layout().render("pdf")
        assert isinstance(result, bytes)
        return result

    def eps(self) -> bytes:
        """The same drawing as the PDF, as Encapsulated PostScript."""
        result = self._print_layout().render("eps")
        assert isinstance(result, bytes)
        return result

    def _zpl_layout(self, dpi: int | None) -> _native.LaidOutSymbol:
        """The layout in whole dots of a dpi printer: the raster's when it was drawn for that
        resolution (or has no physical size: a pixel a dot), else laid out again at the whole dots
        nearest the symbol's X."""
        if dpi is None or dpi == self.dpi:
            return self._laid_out
        if dpi not in ZPL_DPIS:
            raise _refuse("dpi", f"invalid dpi: {dpi!r}; accepted: {', '.join(map(str, ZPL_DPIS))}")
        if self.x_dim_mm is None:
            raise _refuse("dpi", "the symbol has no physical size to print at a resolution: make it with "
                                 "printer_dpi, dpi or x_dim_mm, or give no dpi (a pixel a dot)")
        dots = max(1, round(self.x_dim_mm * dpi / 25.4))
        options = dict(self._appearance_options)
        factor = dots / self.scale
        options.update(module_pixels=dots, dpi=dpi, module_mm=0.0)
        options["bar_width_reduction_pixels"] *= factor
        if options.get("bar_height_pixels"):
            options["bar_height_pixels"] = round(options["bar_height_pixels"] * factor)
        return _native.lay_out(self.encoded, _native.render_options(**options))

    def zpl(self, dpi: int | None = None, origin: tuple[int, int] = (0, 0)) -> str:
        """A complete ZPL label (^XA ... ^XZ) printing the symbol's dots at ``origin`` (x, y in dots):
        the PNG's pixels as a compressed ^GFA graphic field. ``dpi`` (203, 300 or 600) is the
        printer's; by default the symbol's own (make it with ``printer_dpi`` for whole dots inside
        the legal X range), and a symbol without a physical size prints a pixel a dot."""
        if (not isinstance(origin, tuple) or len(origin) != 2
                or not all(isinstance(v, int) and not isinstance(v, bool) and 0 <= v <= 32000 for v in origin)):
            raise _refuse("origin", f"invalid origin: {origin!r}; accepted: (x, y) whole dots from 0 to 32000")
        field = self._zpl_layout(dpi).render("zpl")
        assert isinstance(field, str)
        return f"^XA\n^FO{origin[0]},{origin[1]}{field}^FS\n^XZ\n"

    def _content(self, kind: str) -> bytes:
        if kind == "zpl":
            return self.zpl().encode("ascii")
        result = self._print_layout().render(kind) if kind in ("pdf", "eps") else self._render(kind)
        return result.encode("utf-8") if isinstance(result, str) else result

    def data_uri(self, kind: str = "png") -> str:
        """A data URI ("data:image/png;base64,...") of the symbol as png, jpeg or svg."""
        kind = _output.check_kind(kind)
        encoded = base64.b64encode(self._content(kind)).decode("ascii")
        return f"data:{_output.MEDIA_TYPES[kind]};base64,{encoded}"

    def save(self, target: _output.Target, kind: str | None = None) -> None:
        """Writes the symbol to a path (str or os.PathLike) or a binary file object.

        The kind (png, jpeg/jpg, svg, pdf, eps, zpl) is ``kind`` when given, else the file name's extension. The
        symbol is drawn before anything is opened, and a path is written through a temporary file
        renamed into place: on any failure no file (and no partial file) is left."""
        content = self._content(_output.kind_of(target, kind))
        _output.write(target, content)

    def _repr_png_(self) -> bytes:
        return self.png()

    def _repr_svg_(self) -> str:
        return self.svg()

    def __repr__(self) -> str:
        return f"<barcode_quor.Symbol {self.symbology} {self.data!r} {self.size[0]}x{self.size[1]} modules>"


def make(symbology: str, data: str | None = None, *, scale: int | None = None, dpi: int | None = None,
         x_dim_mm: float | None = None, height: float | None = None, height_mm: float | None = None,
         quiet_zone: QuietZoneSetting | None = None, show_text: bool | None = None,
         text: str | None = None, font: str | os.PathLike[str] | None = None, text_size_mm: float | None = None,
         text_gap_mm: float | None = None, text_position: str = "below",
         light_margin_indicators: bool | None = None, rotate: int = 0, bar_width_reduction: float = 0,
         foreground: Colour = "black", background: Colour = "white", max_pixels: int = DEFAULT_MAX_PIXELS,
         cmyk: bool = False, digital_link: str | None = None, domain: str | None = None,
         printer_dpi: int | None = None, **options: object) -> Symbol:
    """Makes a barcode symbol: the data is encoded here, and every option and size is checked here.

    ``symbology`` is a name from :func:`symbologies` ("code128", "ean13", "qr", ...).

    Size: ``scale`` whole pixels per module (default 2, 4 for QR and Data Matrix). ``x_dim_mm``
    with ``dpi`` sets the scale (rounded to whole pixels per module; ``x_dim_mm`` on the symbol
    reports the module width achieved). ``x_dim_mm`` without ``dpi`` draws SVG at exactly that
    module width in mm, and PNG/JPEG at ``scale``. ``dpi`` alone records the resolution in
    PNG/JPEG and makes SVG width and height physical (mm). ``max_pixels`` (default 100 million)
    bounds width x height of the image, checked before anything is drawn. Postal codes (imb,
    rm4scc, ...) take their standard's module width (half the bar pitch) as ``x_dim_mm`` when
    neither ``scale`` nor ``x_dim_mm`` is given; their bar heights are the standard's.

    Linear symbols: the bar height in modules (``height``) or mm (``height_mm``, needs dpi or
    x_dim_mm), by default the symbology's standard height; ``show_text`` (default True), ``text``
    (printed instead of the symbol's own text), ``text_position`` ("below" or "above"),
    ``font`` ("ocr-b", "roboto", or a TTF/OTF file), ``text_size_mm`` and ``text_gap_mm`` (need
    dpi or x_dim_mm), ``light_margin_indicators`` (EAN-13 '>', EAN-8 '<' and '>').

    Every symbol: ``quiet_zone`` (modules: one count for every side or (left, top, right,
    bottom); by default the symbology's standard minimum), ``rotate`` (0, 90, 180, 270 degrees
    clockwise), ``bar_width_reduction`` (pixels taken off every dark bar or module, less than one
    module; light spaces grow by as much), ``foreground`` and ``background`` (a CSS colour name,
    "transparent", "#rgb", "#rrggbb", "#rrggbbaa" or (r, g, b[, a])), ``cmyk`` (PDF and EPS
    colours as DeviceCMYK, black as 0/0/0/100; other outputs refuse it).

    QR and Data Matrix: ``digital_link`` (an element string such as "(01)09501101530003") encodes
    the GS1 Digital Link URI made from it under ``domain`` (default https://id.gs1.org), in place
    of ``data``.

    ``printer_dpi`` sizes the symbol for a printer of that resolution (see :func:`fit`): the module
    is the whole number of dots closest to the nominal X (or to ``x_dim_mm``) inside the range the
    GS1 tables allow, ``dpi`` is the printer's, and a linear symbol's default bar height is raised
    to the table's minimum; give neither ``scale`` nor ``dpi`` with it.

    Further keyword arguments are the symbology's own options (listed by :func:`symbologies`).

    Raises InvalidOptionError for an unknown symbology or option, a wrong value or a size over a
    limit, InvalidDataError (DataTooLongError) for data the symbology cannot encode."""
    entry = BY_NAME.get(symbology.lower() if isinstance(symbology, str) else "")
    if entry is None:
        raise _unknown_symbology(symbology)
    _refuse_lone_surrogates(entry.name, data, {"text": text, "digital_link": digital_link, "domain": domain,
                                               **options})
    own, encoder_options = _own_options(entry, options)
    encoded_as = entry
    if digital_link is not None:
        encoded_as, data = _digital_link_data(entry, data, digital_link, domain)
    if not isinstance(data, str):
        raise TypeError(f"data must be a str, not {type(data).__name__}")
    encoded = _encode(encoded_as, data, encoder_options)
    if printer_dpi is not None:
        scale, dpi, x_dim_mm, height = _printer_size(entry, encoded, printer_dpi, scale, dpi, x_dim_mm, height,
                                                     height_mm)
    appearance = _appearance(entry, encoded, {
        "scale": scale, "dpi": dpi, "x_dim_mm": x_dim_mm, "height": height, "height_mm": height_mm,
        "quiet_zone": quiet_zone, "show_text": show_text, "text": text, "font": font, "text_size_mm": text_size_mm,
        "text_gap_mm": text_gap_mm, "text_position": text_position,
        "light_margin_indicators": light_margin_indicators, "rotate": rotate,
        "bar_width_reduction": bar_width_reduction, "foreground": foreground, "background": background,
        "max_pixels": max_pixels, "cmyk": cmyk})
    laid_out = _lay_out(entry, encoded, appearance)
    width, height_pixels = laid_out.size
    limit = appearance.options["max_pixels"]
    if width * height_pixels > limit:
        raise _refuse("max_pixels", f"{entry.name}: the image would be {width} x {height_pixels} = "
                                    f"{width * height_pixels:,} pixels, over the limit max_pixels={limit:,}: "
                                    "use a smaller scale or raise max_pixels")
    return Symbol(entry, data, own, encoded, appearance, laid_out)
