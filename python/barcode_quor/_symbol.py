"""make() and the symbol object it returns."""
from __future__ import annotations

import base64
import re
from dataclasses import dataclass
from typing import Any, Union

from . import _output
from ._errors import BarcodeError, DataTooLongError, InvalidDataError, InvalidOptionError
from ._colours import check_colour
from ._options import Number, check_quiet_zone
from ._symbologies import BY_NAME, Layout, Symbology

Colour = Union[str, tuple[int, int, int], tuple[int, int, int, int]]
QuietZoneSetting = Union[int, tuple[int, int, int, int]]

_SCALE = Number(1, 1000)
_DPI = Number(1, 100000)
_MM = Number(0, 1000, integer=False, low_open=True)
_MODULES = Number(0, 100000, integer=False, low_open=True)

# Version 40 capacities (ISO/IEC 18004:2015 table 7) by level, in numeric / alphanumeric / byte mode.
_QR_CAPACITY = {"L": (7089, 4296, 2953), "M": (5596, 3391, 2331), "Q": (3993, 2420, 1663), "H": (3057, 1852, 1273)}


@dataclass(frozen=True)
class _Geometry:
    scale: int  # pixels per module
    dpi: int | None
    quiet_zone: tuple[int, int, int, int]
    bar_pixels: int | None  # linear bar height (all rows of a stacked symbol)
    show_text: bool


def _refuse_for(symbology: Symbology, option: str) -> InvalidOptionError:
    return InvalidOptionError(f"{symbology.name} has no {option} setting", option=option)


def _geometry(s: Symbology, scale: int | None, dpi: int | None, x_dim_mm: float | None, height: float | None,
              height_mm: float | None, quiet_zone: object, show_text: bool | None) -> _Geometry:
    if dpi is not None:
        dpi = int(_DPI.check("dpi", dpi) or 0)
    if scale is not None and x_dim_mm is not None:
        raise InvalidOptionError("give scale or x_dim_mm, not both", option="scale")
    if x_dim_mm is not None:
        _MM.check("x_dim_mm", x_dim_mm)
        if dpi is None:
            raise InvalidOptionError("x_dim_mm needs dpi: the module is rounded to whole pixels at that resolution",
                                     option="dpi")
        scale = round(x_dim_mm / 25.4 * dpi)
        if scale == 0:
            raise InvalidOptionError(
                f"x_dim_mm={x_dim_mm} at dpi={dpi} is {x_dim_mm / 25.4 * dpi:.2f} pixels, which rounds to 0: "
                "use a larger X-dimension or a higher dpi", option="x_dim_mm")
    elif scale is None:
        scale = s.default_scale
    else:
        scale = int(_SCALE.check("scale", scale) or 0)
    if s.layout in (Layout.POSTAL, Layout.MATRIX):
        if height is not None or height_mm is not None:
            raise _refuse_for(s, "height")
        if show_text is not None:
            raise _refuse_for(s, "show_text")
    if height is not None and height_mm is not None:
        raise InvalidOptionError("give height or height_mm, not both", option="height")
    bar_pixels = None
    if height_mm is not None:
        _MM.check("height_mm", height_mm)
        if dpi is None:
            raise InvalidOptionError("height_mm needs dpi", option="dpi")
        bar_pixels = max(1, round(height_mm / 25.4 * dpi))
    elif height is not None:
        bar_pixels = max(1, round(float(_MODULES.check("height", height) or 0) * scale))
    if show_text is not None and not isinstance(show_text, bool):
        raise InvalidOptionError(f"invalid show_text: {show_text!r}; accepted: True or False", option="show_text")
    sides = s.quiet_zone.sides if quiet_zone is None else check_quiet_zone(quiet_zone)
    return _Geometry(scale=scale, dpi=dpi, quiet_zone=sides, bar_pixels=bar_pixels,
                     show_text=True if show_text is None else show_text)


def _own_options(s: Symbology, given: dict[str, object]) -> dict[str, Any]:
    known = {o.name: o for o in s.options}
    for name in given:
        if name not in known:
            names = ", ".join(known) or "none"
            raise InvalidOptionError(f"{s.name} has no option {name!r}; its own options: {names}", option=name)
    return {name: o.kind.check(name, given.get(name, o.default)) for name, o in known.items()}


def _failure(s: Symbology, message: str, options: dict[str, Any]) -> BarcodeError:
    """The error for a message of the native encoder."""
    text = f"{s.name}: {message}"
    if "too long" not in message.lower() and "too big" not in message.lower():
        return InvalidDataError(text)
    capacity = None
    if s.native is BY_NAME["qr"].native:
        mode = options.get("mode", "byte")
        capacity = _QR_CAPACITY[options["error"]][{"numeric": 0, "alphanumeric": 1}.get(mode, 2)]
        text += f" (at most {capacity} {'characters' if mode in ('numeric', 'alphanumeric') else 'bytes'})"
    elif (match := re.search(r"only supports (\d+) codewords", message)) is not None:
        capacity = int(match.group(1))
    return DataTooLongError(text, capacity=capacity)


class Symbol:
    """A barcode symbol ready to be drawn: made by :func:`barcode_quor.make`.

    Every draw is module-exact with the quiet zone around the symbol. Attributes: ``symbology``
    (its canonical name), ``data`` (as given), ``options`` (the symbology's own options, defaults
    filled in), ``scale`` (pixels per module), ``dpi`` (or None), ``quiet_zone`` (left, top,
    right, bottom in modules) and ``size`` (columns, rows) of the symbol in modules without its
    quiet zone."""

    def __init__(self, symbology: Symbology, data: str, native_data: str, options: dict[str, Any],
                 geometry: _Geometry, foreground: tuple[int, int, int, int],
                 background: tuple[int, int, int, int]) -> None:
        self.symbology = symbology.name
        self.data = data
        self.options = options
        self.scale = geometry.scale
        self.dpi = geometry.dpi
        self.quiet_zone = geometry.quiet_zone
        self._symbology = symbology
        self._geometry = geometry
        self._code = native_data
        self._native = symbology.native()
        native = self._native
        native.set_report_errors(False)
        if symbology.setup is not None:
            symbology.setup(native)
        for option in symbology.options:
            if options[option.name] is not None:
                option.apply(native, options[option.name])
        native.set_foreground_color(*foreground)
        native.set_background_color(*background)
        if symbology.layout in (Layout.ROW, Layout.STACKED):
            native.set_show_text(geometry.show_text)
        native.set_module_size(geometry.scale)
        native.set_dpi(geometry.dpi or 0)
        try:
            columns, rows = native.symbol_size(native_data)
        except (ValueError, RuntimeError, IndexError) as error:
            raise _failure(symbology, str(error), options) from None
        self.size: tuple[int, int] = (columns, rows)
        self._height = self._drawing_height()
        # EAN/UPC digits printed beside the bars stand in the quiet zone: the native layout counts
        # their margins towards it.
        native.set_quiet_zone(*self.quiet_zone)

    def _drawing_height(self) -> int:
        """The height argument of the native linear draw: bars plus text."""
        s, g = self._symbology, self._geometry
        if s.layout not in (Layout.ROW, Layout.STACKED):
            return 0
        bars = g.bar_pixels
        if bars is None:
            assert s.bar_height is not None
            modules = s.bar_height
            if s.bar_height_per_row:
                data_rows = (self.size[1] + 3) // 4  # three separator rows between data rows
                modules = s.bar_height * data_rows + 3 * (data_rows - 1)
            bars = round(modules * g.scale)
        return int(self._native.height_for_bars(bars))

    def _draw(self, kind: str) -> bytes | str:
        native, s = self._native, self._symbology
        native.set_output_format(kind)
        text = kind == "svg"
        try:
            if s.layout is Layout.MATRIX:
                result = native.draw(self._code, 0) if text else native.draw_bytes(self._code, 0)
            elif s.layout is Layout.POSTAL:
                # A Japan Post module is a bar width, a sixth of the symbol's height.
                height = 6 * self.scale
                result = native.draw(self._code, height) if text else native.draw_bytes(self._code, height)
            elif s.payment_form:
                method = native.draw_convenience if text else native.draw_convenience_bytes
                result = method(self._code, 0, self._height)
            else:
                method = native.draw if text else native.draw_bytes
                result = method(self._code, 0, self._height)
        except (RuntimeError, IndexError, ValueError) as error:
            raise _failure(s, str(error), self.options) from None
        if not result:
            raise _failure(s, native.last_error() or "the symbol could not be drawn", self.options)
        return result  # type: ignore[no-any-return]

    def png(self) -> bytes:
        """The symbol as PNG bytes (with a pHYs resolution chunk when dpi was given)."""
        result = self._draw("png")
        assert isinstance(result, bytes)
        return result

    def jpeg(self) -> bytes:
        """The symbol as JPEG bytes (with the density set when dpi was given)."""
        result = self._draw("jpeg")
        assert isinstance(result, bytes)
        return result

    def svg(self) -> str:
        """The symbol as an SVG document; with dpi given, its width and height are in mm."""
        document = str(self._draw("svg"))
        return document if self.dpi is None else _output.svg_physical(document, self.dpi)

    def _content(self, kind: str) -> bytes:
        return self.svg().encode("utf-8") if kind == "svg" else self.png() if kind == "png" else self.jpeg()

    def data_uri(self, kind: str = "png") -> str:
        """A data URI ("data:image/png;base64,...") of the symbol as png, jpeg or svg."""
        kind = _output.check_kind(kind)
        encoded = base64.b64encode(self._content(kind)).decode("ascii")
        return f"data:{_output.MEDIA_TYPES[kind]};base64,{encoded}"

    def save(self, target: _output.Target, kind: str | None = None) -> None:
        """Writes the symbol to a path (str or os.PathLike) or a binary file object.

        The kind (png, jpeg/jpg, svg) is ``kind`` when given, else the file name's extension. The
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


def make(symbology: str, data: str, *, scale: int | None = None, dpi: int | None = None,
         x_dim_mm: float | None = None, height: float | None = None, height_mm: float | None = None,
         quiet_zone: QuietZoneSetting | None = None, show_text: bool | None = None,
         foreground: Colour = "#000000", background: Colour = "#ffffff", **options: object) -> Symbol:
    """Makes a barcode symbol; every option is checked here, and so is the data.

    ``symbology`` is a name from :func:`symbologies` ("code128", "ean13", "qr", ...). Size:
    ``scale`` whole pixels per module (default 2, 4 for QR and Data Matrix), or ``x_dim_mm``
    with ``dpi`` (rounded to whole pixels per module). ``dpi`` alone only records the resolution
    in PNG/JPEG output and makes SVG width and height physical (mm). Linear symbols: the bar
    height in modules (``height``) or mm (``height_mm``, needs dpi), the default being each
    symbology's standard height; ``show_text`` prints the human-readable text (default True).
    ``quiet_zone``: modules of light margin, one count for every side or (left, top, right,
    bottom); by default each symbology's standard minimum. Colours: "#rrggbb", "#rrggbbaa" or
    (r, g, b[, a]). Further keyword arguments are the symbology's own options (listed by
    :func:`symbologies`).

    Raises InvalidOptionError for an unknown symbology or option or a wrong value,
    InvalidDataError (DataTooLongError) for data the symbology cannot encode."""
    if not isinstance(data, str):
        raise TypeError(f"data must be a str, not {type(data).__name__}")
    entry = BY_NAME.get(symbology.lower() if isinstance(symbology, str) else "")
    if entry is None:
        names = ", ".join(BY_NAME)
        raise InvalidOptionError(f"unknown symbology {symbology!r}; accepted: {names}", option="symbology",
                                 accepted=names)
    geometry = _geometry(entry, scale, dpi, x_dim_mm, height, height_mm, quiet_zone, show_text)
    own = _own_options(entry, options)
    fg, bg = check_colour("foreground", foreground), check_colour("background", background)
    return Symbol(entry, data, entry.prepare(data, own), own, geometry, fg, bg)
