"""python -m barcode_quor: the command line."""
import sys

from .cli import main

sys.exit(main())
