from _barcode_quor_native import *
