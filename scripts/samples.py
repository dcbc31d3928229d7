"""Sample draws of the native classes, for the benchmark (bench/bench.py).

One row per symbol: a title, the class, the arguments of draw/draw_bytes, optional setup calls made
on a fresh object, and the names of the string and bytes draw methods when they are not the usual.
"""
from dataclasses import dataclass, field

import barcode_quor as bq


@dataclass
class Sample:
    title: str
    cls: type
    args: tuple
    setup: list = field(default_factory=list)  # (method name, args) called on a fresh object
    draw: str = "draw"
    draw_bytes: str = "draw_bytes"

    def make(self, output_format="png"):
        obj = self.cls()
        obj.set_output_format(output_format)
        for name, args in self.setup:
            getattr(obj, name)(*args)
        return obj


SAMPLES = [
    Sample("Code 39", bq.Code39, ("HELLO-39", 300, 100)),
    Sample("Code 93", bq.Code93, ("CODE-93 TEST", 300, 100)),
    Sample("NW-7 (Codabar)", bq.NW7, ("A40156B", 300, 100)),
    Sample("ITF", bq.ITF, ("1234567890", 300, 100)),
    Sample("Matrix 2 of 5", bq.Matrix2of5, ("1234567", 300, 100)),
    Sample("NEC 2 of 5", bq.NEC2of5, ("1234567", 300, 100)),
    Sample("Japan Post customer barcode", bq.YubinCustomer, ("10000131-3-2-503", 60)),
    Sample("Code 128", bq.Code128, ("Code-128 0123456789", 400, 100)),
    Sample("Code 128 (code set A)", bq.Code128, ("CODE 128 SET A", 300, 100), setup=[("set_code_mode", ("A",))]),
    Sample("GS1-128", bq.GS1_128, ("{FNC1}0104912345123459{AI}17251231{AI}10ABC123", 800, 120)),
    Sample("GS1-128 convenience-store payment", bq.GS1_128, ("9191234500000000000000000000000000000000000", 600, 150),
           draw="draw_convenience", draw_bytes="draw_convenience_bytes"),
    Sample("PDF417", bq.PDF417, ("PDF417 Hello, World! 0123456789012345", 300)),
    Sample("PDF417 (level 5, 6 columns)", bq.PDF417, ("https://example.com/pdf417?id=0123456789", 200),
           setup=[("set_error_level", (5,)), ("set_columns", (6,))]),
    Sample("JAN-13", bq.Jan13, ("490123456789", 300, 100)),
    Sample("JAN-8", bq.Jan8, ("4901234", 200, 100)),
    Sample("UPC-A", bq.UPC_A, ("03600029145", 300, 100)),
    Sample("UPC-E", bq.UPC_E, ("0123456", 200, 100)),
    Sample("UPC-E (number system 1, plain guards)", bq.UPC_E, ("1123456", 200, 100),
           setup=[("set_extended_guard", (False,))]),
    Sample("QR Code", bq.QR, ("https://example.com/qr?id=0123456789", 300)),
    Sample("QR Code (level H, Shift-JIS)", bq.QR, ("QRコード 日本語テキスト", 300),
           setup=[("set_error_correction_level", ("H",)), ("set_string_encoding", ("shift_jis",))]),
    Sample("QR Code (version 40, numeric)", bq.QR, ("31415926535897932384626433832795" * 200, 600),
           setup=[("set_error_correction_level", ("L",)), ("set_encode_mode", ("NUMERIC",))]),
    Sample("Data Matrix", bq.DataMatrix, ("https://example.com/dm?id=0123456789", 300)),
    Sample("Data Matrix (16x48, C40)", bq.DataMatrix, ("DATA MATRIX 0123456789", 480),
           setup=[("set_code_size", ("16x48",)), ("set_encode_scheme", ("C40",))]),
    Sample("Data Matrix (144x144, AUTO)", bq.DataMatrix, ("Data Matrix 0123456789 ÄÖÜ " * 40, 576),
           setup=[("set_encode_scheme", ("AUTO",))]),
    Sample("GS1 DataBar Omnidirectional", bq.GS1DataBar14, ("0950110153001", 300, 100)),
    Sample("GS1 DataBar Stacked", bq.GS1DataBar14, ("0950110153001", 300, 120),
           setup=[("set_symbol_type", ("STACKED",))]),
    Sample("GS1 DataBar Stacked Omnidirectional", bq.GS1DataBar14, ("0950110153001", 300, 150),
           setup=[("set_symbol_type", ("STACKED_OMNIDIRECTIONAL",))]),
    Sample("GS1 DataBar Limited", bq.GS1DataBarLimited, ("1501234567890", 300, 100)),
    Sample("GS1 DataBar Expanded", bq.GS1DataBarExpanded, ("0190012345678908{AI}3103001750", 500, 100)),
    Sample("GS1 DataBar Expanded Stacked (2 columns)", bq.GS1DataBarExpanded,
           ("0100012345678905{AI}17251231{AI}10LOT-42[{AI}21abc/123", 600, 250),
           setup=[("set_symbol_type", ("STACKED",)), ("set_no_of_columns", (2,)), ("set_text_font_scale", (0.5,))]),
    # new samples go above this line
]
