"""The command line: barcode-quor SYMBOLOGY DATA -o FILE [options], barcode-quor --list,
barcode-quor batch ... (handed to barcode_quor.batch)."""
from __future__ import annotations

import argparse
import importlib
import os
import sys
from typing import Any, NoReturn, Sequence

from . import __version__, _suggest
from ._errors import BarcodeError, InvalidOptionError
from ._fit import APPLICATIONS, fit
from ._options import Flag, Option, parse_quiet_zone
from ._output import KINDS
from ._symbol import make
from ._symbologies import BY_NAME, SYMBOLOGIES

PROG = "barcode-quor"


def _own_option_names() -> dict[str, list[tuple[str, Option]]]:
    """Every symbology's own options by name, with the symbologies that have each; a name can mean
    different things for different symbologies (mode, columns), so values are parsed per symbology."""
    names: dict[str, list[tuple[str, Option]]] = {}
    for s in SYMBOLOGIES:
        for o in s.options:
            names.setdefault(o.name, []).append((s.name, o))
    return names


EXAMPLES = """examples:
  barcode-quor qr "https://example.com/"                       writes qr.png
  barcode-quor ean13 490123456789 -o label.svg --x-dim-mm 0.33 --dpi 600
  barcode-quor ean13 490123456789 -o label.pdf --x-dim-mm 0.33 --cmyk
  barcode-quor code128 TICKET-0042 -o ticket.png --scale 3 --fg 000080 --bg none
  barcode-quor itf14 1540014128876 -o carton.png --bearer top-bottom
  barcode-quor gs1-128 "(01)09501101530003(17)251231(10)ABC123" -o gs1.png
  barcode-quor datamatrix --digital-link "(01)09501101530003" -o dl.png
  barcode-quor batch labels.csv -o labels.zip --symbology gs1-128 --data "(01){gtin}(10){lot}" --name "{gtin}.png"
  barcode-quor ean13 490123456789 -o label.zpl --printer-dpi 203
  barcode-quor fit ean13 --dpi 203

'barcode-quor --list' lists the symbologies and their options; 'barcode-quor batch --help' draws many
symbols from a CSV, JSON Lines or text file; 'barcode-quor fit --help' sizes a symbol for a printer's
resolution; 'barcode-quor serve --help' serves them over HTTP."""


class _Parser(argparse.ArgumentParser):
    """argparse's parser, whose refusal of an unknown flag names the flag meant."""

    def error(self, message: str) -> NoReturn:
        if message.startswith("unrecognized arguments: "):
            hints = [f"{word}: did you mean {meant}?" for word in message.split()[2:]
                     if word.startswith("-") and (meant := self._meant(word.split("=")[0]))]
            message += "".join(f"; {hint}" for hint in hints)
        super().error(message)

    def _meant(self, word: str) -> str | None:
        flags = {o.lstrip("-").replace("-", "_"): o for o in self._option_string_actions if o.startswith("--")}
        flags["show_text"] = "--no-text"
        meant = _suggest.option(word.lstrip("-"), flags)
        return flags[meant] if meant else None


def _parser() -> argparse.ArgumentParser:
    parser = _Parser(
        prog=PROG,
        description="Draw one barcode symbol to a file (PNG, JPEG, SVG, PDF or EPS); without -o, to "
                    "SYMBOLOGY.png.",
        epilog=EXAMPLES,
        formatter_class=argparse.RawDescriptionHelpFormatter,
    )
    parser.add_argument("symbology", nargs="?", help="symbology name, e.g. code128, ean13, qr")
    parser.add_argument("data", nargs="?", help="the data to encode; - reads it from standard input "
                                                "(one trailing newline dropped)")
    parser.add_argument("-o", "--output", metavar="FILE",
                        help="output file; - writes to standard output, as text when it is a terminal and no "
                             "--format is given (default: SYMBOLOGY.png, or the --format's)")
    parser.add_argument("-f", "--format", choices=KINDS, help="output kind (default: from the extension, else png)")
    parser.add_argument("--list", action="store_true", help="list the symbologies and their options")
    parser.add_argument("-V", "--version", action="version", version=f"{PROG} {__version__}")
    size = parser.add_argument_group("size and appearance")
    size.add_argument("-s", "--scale", type=int, help="whole pixels per module")
    size.add_argument("--dpi", type=int, help="resolution recorded in the image; with --x-dim-mm sets the scale")
    size.add_argument("--x-dim-mm", type=float, metavar="MM",
                      help="module width in mm: with --dpi sets the scale, without it SVG is drawn in exact mm")
    size.add_argument("--printer-dpi", type=int, metavar="DPI",
                      help="size for a printer of this resolution: whole dots inside the legal X range (see fit)")
    size.add_argument("--height", type=float, metavar="MODULES", help="bar height in modules (linear symbols)")
    size.add_argument("--height-mm", type=float, metavar="MM", help="bar height in mm (needs --dpi or --x-dim-mm)")
    size.add_argument("--max-pixels", type=int, metavar="N", help="refuse images over N pixels (default 100 million)")
    size.add_argument("--rotate", type=int, choices=(0, 90, 180, 270), help="degrees clockwise")
    size.add_argument("--bar-width-reduction", type=float, metavar="PIXELS",
                      help="pixels taken off every dark bar (less than one module)")
    size.add_argument("--quiet-zone", metavar="N|L,T,R,B", help="light margin in modules (default: the standard)")
    size.add_argument("--no-text", action="store_true", help="no human-readable text (linear symbols)")
    size.add_argument("--text", metavar="TEXT", help="printed instead of the symbol's own text")
    size.add_argument("--text-position", choices=("below", "above"), help="where the text goes (default below)")
    size.add_argument("--font", metavar="FONT", help="ocr-b, roboto, or a TTF/OTF file")
    size.add_argument("--text-size-mm", type=float, metavar="MM",
                      help="digit height in mm (needs --dpi or --x-dim-mm)")
    size.add_argument("--text-gap-mm", type=float, metavar="MM", help="gap between bars and text in mm")
    size.add_argument("--light-margin-indicators", action="store_true", help="EAN-13/EAN-8 '<' and '>' in the quiet zones")
    size.add_argument("--fg", "--foreground", dest="foreground", default="black", metavar="COLOUR",
                      help="bar colour: a CSS name, rrggbb or rrggbbaa (# optional), or r,g,b[,a]")
    size.add_argument("--bg", "--background", dest="background", default="white", metavar="COLOUR",
                      help="background colour: as --fg, or none (transparent)")
    size.add_argument("--cmyk", action="store_true", help="PDF/EPS colours as CMYK, black as 0/0/0/100")
    size.add_argument("--digital-link", metavar="ELEMENT_STRING",
                      help="QR/Data Matrix: encode the GS1 Digital Link URI of this element string (give no DATA)")
    size.add_argument("--domain", metavar="URI", help="the Digital Link URI's domain (default https://id.gs1.org)")
    own = parser.add_argument_group("options of particular symbologies (see --list)")
    for name, uses in _own_option_names().items():
        helps = dict.fromkeys(f"{o.help} ({o.kind.describe()})" for _, o in uses)
        text = " / ".join(helps) + " [" + ", ".join(symbology for symbology, _ in uses) + "]"
        if isinstance(uses[0][1].kind, Flag):
            own.add_argument(_flag_of(name), dest=name, action=argparse.BooleanOptionalAction, help=text)
        else:
            own.add_argument(_flag_of(name), dest=name, metavar="VALUE", help=text)
    return parser


def _listing() -> str:
    lines = []
    for s in SYMBOLOGIES:
        aliases = f" (also {', '.join(s.aliases)})" if s.aliases else ""
        lines.append(f"{s.name}{aliases}: {s.title}")
        for o in s.options:
            lines.append(f"    {_flag_of(o.name)}: {o.help}; {o.kind.describe()}; default {o.default}")
    return "\n".join(lines) + "\n"


def _make_options(args: argparse.Namespace) -> dict[str, Any]:
    options: dict[str, Any] = {
        "scale": args.scale, "dpi": args.dpi, "x_dim_mm": args.x_dim_mm, "height": args.height,
        "height_mm": args.height_mm, "foreground": args.foreground, "background": args.background,
        "text": args.text, "font": args.font, "text_size_mm": args.text_size_mm, "text_gap_mm": args.text_gap_mm,
        "digital_link": args.digital_link, "printer_dpi": args.printer_dpi,
    }
    given = {"max_pixels": args.max_pixels, "rotate": args.rotate, "bar_width_reduction": args.bar_width_reduction,
             "text_position": args.text_position, "domain": args.domain}
    options.update({name: value for name, value in given.items() if value is not None})
    if args.light_margin_indicators:
        options["light_margin_indicators"] = True
    if args.cmyk:
        options["cmyk"] = True
    if args.quiet_zone is not None:
        options["quiet_zone"] = parse_quiet_zone(args.quiet_zone)
    if args.no_text:
        options["show_text"] = False
    entry = BY_NAME.get(args.symbology.lower())
    own = {o.name: o for o in entry.options} if entry is not None else {}
    for name in _own_option_names():
        value = getattr(args, name)
        if value is not None:
            # A value for an option the symbology lacks goes through as given: make() refuses it by name.
            option = own.get(name)
            options[name] = option.kind.parse(name, value) if option and isinstance(value, str) else value
    return options


# make()'s parameter names that the command line spells otherwise (QR's version as zint spells it,
# so that --version keeps its usual meaning); every other option is --name.
_FLAGS = {"symbology": "SYMBOLOGY", "foreground": "--fg", "background": "--bg", "version": "--vers", "show_text": "--no-text"}


def _flag_of(option: str) -> str:
    return _FLAGS.get(option, "--" + option.replace("_", "-"))


def _in_cli_words(error: BarcodeError) -> str:
    """The message, led by the flag the option it names is given with."""
    option = getattr(error, "option", "")
    return f"{_flag_of(option)}: {error}" if option else str(error)


def _data_argument(value: str | None) -> str | None:
    """The argument as given (make() refuses the lone surrogates that bytes other than UTF-8 become);
    "-" reads standard input. Raises ValueError when that is closed or not UTF-8."""
    if value != "-":
        return value
    if sys.stdin is None:  # started with standard input closed
        raise ValueError("DATA is - but standard input is closed")
    raw = sys.stdin.buffer.read()
    raw = raw[:-2] if raw.endswith(b"\r\n") else raw[:-1] if raw.endswith(b"\n") else raw
    try:
        return raw.decode("utf-8")
    except UnicodeDecodeError:
        raise ValueError("standard input is not UTF-8") from None


def _kind_from_name(path: str) -> str:
    """The extension's kind; PNG without an extension (a FIFO, /dev/stdout), as for "-"."""
    extension = os.path.splitext(path)[1].lstrip(".").lower()
    if extension and extension not in KINDS:
        raise InvalidOptionError(f"cannot tell the output kind from '.{extension}': give --format "
                                 f"({', '.join(KINDS)})")
    return extension or "png"


def _batch(argv: list[str]) -> int:
    try:
        batch = importlib.import_module("barcode_quor.batch")
    except ModuleNotFoundError as error:
        if error.name != "barcode_quor.batch":
            raise
        print(f"{PROG}: error: the batch command is not part of this installation", file=sys.stderr)
        return 2
    return int(batch.main(argv))


def _fit_command(argv: list[str]) -> int:
    parser = argparse.ArgumentParser(
        prog=f"{PROG} fit", description="The whole-dot module sizes a printer can print a symbology at, the "
        "best one, the minimum bar height and quiet zones in dots, and bar width reduction by printer kind.")
    parser.add_argument("symbology", help="symbology name, e.g. ean13, gs1-128, gs1-datamatrix")
    parser.add_argument("--dpi", type=int, required=True, help="the printer's resolution in dots per inch")
    parser.add_argument("--x-dim-mm", type=float, metavar="MM", help="the module width wanted (default: nominal)")
    parser.add_argument("--application", choices=APPLICATIONS, help="the GS1 table (default: the first listing it)")
    args = parser.parse_args(argv)
    try:
        advice = fit(args.symbology, dpi=args.dpi, x_dim_mm=args.x_dim_mm, application=args.application)
    except BarcodeError as error:
        print(f"{PROG} fit: error: {_in_cli_words(error)}", file=sys.stderr)
        return 1
    sys.stdout.write(str(advice))
    return 0 if advice.dots is not None else 1


def main(argv: Sequence[str] | None = None) -> int:
    """Runs the command line with argv (default sys.argv[1:]); returns the exit status."""
    args_list = list(sys.argv[1:] if argv is None else argv)
    if args_list[:1] == ["batch"]:
        return _batch(args_list[1:])
    if args_list[:1] == ["fit"]:
        return _fit_command(args_list[1:])
    if args_list[:1] == ["serve"]:
        from .service.command import main as serve

        return serve(args_list[1:])
    parser = _parser()
    args = parser.parse_args(args_list)
    if args.list:
        sys.stdout.write(_listing())
        return 0
    if args.symbology is None or (args.data is None) == (args.digital_link is None):
        parser.error("give SYMBOLOGY DATA [-o FILE], or SYMBOLOGY --digital-link ELEMENT_STRING [-o FILE] (or --list)")
    symbology = args.symbology
    try:
        data = _data_argument(args.data)
    except ValueError as error:
        print(f"{PROG}: error: {error}", file=sys.stderr)
        return 2
    output = args.output
    try:
        symbol = make(symbology, data, **_make_options(args))
        if output is None:  # as other barcode tools do: a file named after the symbology, said where
            output = f"{symbol.symbology}.{args.format or 'png'}"
        if output == "-" and args.format is None and sys.stdout.isatty():  # no image bytes onto a terminal
            sys.stdout.write(symbol.terminal())
            sys.stdout.flush()
        elif output == "-":
            symbol.save(sys.stdout.buffer, kind=args.format or "png")
            sys.stdout.buffer.flush()
        else:
            symbol.save(output, kind=args.format or _kind_from_name(output))
    except BarcodeError as error:
        print(f"{PROG}: error: {_in_cli_words(error)}", file=sys.stderr)
        return 1
    except OSError as error:
        print(f"{PROG}: error: {output}: {error.strerror or error}", file=sys.stderr)
        return 1
    for note in _notes(args, symbol, output):
        print(f"{PROG}: {note}", file=sys.stderr)
    return 0


def _notes(args: argparse.Namespace, symbol: Any, output: str) -> list[str]:
    """What the user would not otherwise learn: where a file went when no -o was given, and a
    module width that rounding to whole pixels moved by more than 1 %."""
    notes = []
    kind = args.format or ("png" if output == "-" else _kind_from_name(output))
    if args.output is None:
        notes.append(f"wrote {output} ({_size(symbol, kind)})")
    if args.x_dim_mm is not None and args.dpi is not None and symbol.x_dim_mm is not None:
        change = symbol.x_dim_mm / args.x_dim_mm - 1
        if abs(change) > 0.01:
            notes.append(f"--x-dim-mm {args.x_dim_mm:g} at --dpi {args.dpi} is {symbol.scale} pixels a module: "
                         f"X = {symbol.x_dim_mm:.3f} mm ({change:+.1%}); {_size(symbol, kind)}")
    elif args.x_dim_mm is not None and kind != "svg":
        notes.append(f"--x-dim-mm without --dpi sizes SVG only: this {kind.upper()} has {symbol.scale} pixels a "
                     "module; give --dpi for a printed size")
    return notes


def _size(symbol: Any, kind: str) -> str:
    width, height = symbol.pixel_size
    if kind == "svg" and symbol.dpi is None and symbol.x_dim_mm is not None:
        mm_per_pixel = symbol.x_dim_mm / symbol.scale
        return f"{width * mm_per_pixel:.1f} x {height * mm_per_pixel:.1f} mm"
    if symbol.dpi is not None:
        mm_per_pixel = 25.4 / symbol.dpi
    else:
        return f"{width} x {height} pixels"
    return f"{width} x {height} pixels, {width * mm_per_pixel:.1f} x {height * mm_per_pixel:.1f} mm"
