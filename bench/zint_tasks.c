/* The side-by-side tasks drawn by libzint through its C API, for bench/compare.py (loaded with
 * ctypes into the same process as our module). Development only: never linked into the module. */
#include <string.h>
#include <zint.h>

struct Task {
    const char *name;
    int symbology;
    int show_text;
    float scale;
    float height;
    const char *extension;
    int option_1;      /* level (Micro QR 1-3 for L-Q, rMQR 2 M, 4 H); 0 zint's default */
    int option_2;      /* size (Micro QR 1-4 for M1-M4, rMQR 1-32); 0 zint's default */
    int quiet_zones;   /* with the standard quiet zones, as make() draws them */
};

/* Sizes chosen to give images of about the pixel size of our side of each task. */
static const struct Task kTasks[] = {
    {"code128-png", BARCODE_CODE128, 1, 0.5f, 100.0f, "png", 0, 0, 0},
    {"code128-png-no-text", BARCODE_CODE128, 0, 0.5f, 100.0f, "png", 0, 0, 0},
    {"jan13-png", BARCODE_EANX, 1, 1.0f, 50.0f, "png", 0, 0, 0},
    {"qr100-png", BARCODE_QRCODE, 0, 4.0f, 0.0f, "png", 0, 0, 0},
    {"qr1000-png", BARCODE_QRCODE, 0, 3.0f, 0.0f, "png", 0, 0, 0},
    {"dm50-png", BARCODE_DATAMATRIX, 0, 4.0f, 0.0f, "png", 0, 0, 0},
    {"pdf417-png", BARCODE_PDF417, 0, 3.0f, 0.0f, "png", 0, 0, 0},
    {"code128-svg", BARCODE_CODE128, 1, 0.5f, 100.0f, "svg", 0, 0, 0},
    /* The make() tasks: 4 pixels a module (scale 2), quiet zones drawn. */
    {"microqr-m4-png", BARCODE_MICROQR, 0, 2.0f, 0.0f, "png", 1, 4, 1},
    {"rmqr-r13x77-png", BARCODE_RMQR, 0, 2.0f, 0.0f, "png", 2, 20, 1},
    {"upnqr-png", BARCODE_UPNQR, 0, 2.0f, 0.0f, "png", 0, 0, 1},
};

/* Encodes `data` for task `index` and writes the image into memory; the image size in bytes, or
 * -1 on failure. */
int zint_task(int index, const char *data, int length) {
    const struct Task *task = &kTasks[index];
    struct zint_symbol *symbol = ZBarcode_Create();
    if (symbol == NULL) return -1;
    symbol->symbology = task->symbology;
    symbol->show_hrt = task->show_text;
    symbol->scale = task->scale;
    if (task->height > 0.0f) symbol->height = task->height;
    symbol->option_1 = task->option_1 ? task->option_1 : symbol->option_1;
    symbol->option_2 = task->option_2;
    symbol->output_options |= BARCODE_MEMORY_FILE | (task->quiet_zones ? BARCODE_QUIET_ZONES : 0);
    strcpy(symbol->outfile, task->extension[0] == 's' ? "mem.svg" : "mem.png");
    int size = -1;
    if (ZBarcode_Encode_and_Print(symbol, (const unsigned char *)data, length, 0) < ZINT_ERROR) size = symbol->memfile_size;
    ZBarcode_Delete(symbol);
    return size;
}

const char *zint_task_name(int index) {
    return index >= 0 && index < (int)(sizeof kTasks / sizeof kTasks[0]) ? kTasks[index].name : NULL;
}

/* libzint's PNG of one of the five symbologies of the file-size table (0 Code 128, 1 EAN-13, 2 QR,
 * 3 Data Matrix, 4 PDF417) with its quiet zones, and its text when `show_text`, at `module_pixels`
 * pixels a module (libzint draws 2 pixels a module at scale 1); its size, copied into `out` when
 * `capacity` holds it. */
int zint_png(int symbology, const char *data, int module_pixels, int show_text, unsigned char *out, int capacity) {
    static const int kSymbologies[] = {BARCODE_CODE128, BARCODE_EANX, BARCODE_QRCODE, BARCODE_DATAMATRIX,
                                       BARCODE_PDF417};
    struct zint_symbol *symbol = ZBarcode_Create();
    if (symbol == NULL) return -1;
    symbol->symbology = kSymbologies[symbology];
    symbol->scale = module_pixels / 2.0f;
    symbol->show_hrt = show_text;
    /* The same symbol as ours: QR at level M, PDF417 in 4 data columns. */
    if (symbology == 2) symbol->option_1 = 2;
    if (symbology == 4) symbol->option_2 = 4;
    symbol->output_options |= BARCODE_MEMORY_FILE | BARCODE_QUIET_ZONES | COMPLIANT_HEIGHT;
    strcpy(symbol->outfile, "mem.png");
    int size = -1;
    if (ZBarcode_Encode_and_Print(symbol, (const unsigned char *)data, (int)strlen(data), 0) < ZINT_ERROR) {
        size = symbol->memfile_size;
        if (out != NULL && size <= capacity) memcpy(out, symbol->memfile, (size_t)size);
    }
    ZBarcode_Delete(symbol);
    return size;
}

/* libzint's PNG of a symbology (its BARCODE_ number) at `module_pixels` pixels a module with its
 * quiet zones, into memory; its size in bytes, or -1. `compliant`: the standard's bar heights. */
static int png_of(int symbology, const char *data, int length, int module_pixels, int show_text, int compliant) {
    struct zint_symbol *symbol = ZBarcode_Create();
    if (symbol == NULL) return -1;
    symbol->symbology = symbology;
    symbol->scale = module_pixels / 2.0f;
    symbol->show_hrt = show_text;
    symbol->output_options |= BARCODE_MEMORY_FILE | BARCODE_QUIET_ZONES | (compliant ? COMPLIANT_HEIGHT : 0);
    strcpy(symbol->outfile, "mem.png");
    int size = -1;
    if (ZBarcode_Encode_and_Print(symbol, (const unsigned char *)data, length, 0) < ZINT_ERROR)
        size = symbol->memfile_size;
    ZBarcode_Delete(symbol);
    return size;
}

/* Any symbology, no text: the make() rows of bench/compare.py. */
int zint_symbol_png(int symbology, const char *data, int length, int module_pixels) {
    return png_of(symbology, data, length, module_pixels, 0, 0);
}

/* A postal code, in the order of POSTAL in compare.py, at its standard's heights. */
int zint_postal_png(int symbology, const char *data, int module_pixels) {
    static const int kSymbologies[] = {BARCODE_USPS_IMAIL, BARCODE_RM4SCC, BARCODE_POSTNET, BARCODE_PLANET,
                                       BARCODE_KIX, BARCODE_AUSPOST, BARCODE_AUSREPLY, BARCODE_AUSROUTE,
                                       BARCODE_AUSREDIRECT, BARCODE_CEPNET, BARCODE_DAFT, BARCODE_FIM,
                                       BARCODE_DPLEIT, BARCODE_DPIDENT, BARCODE_UPU_S10, BARCODE_DPD};
    return png_of(kSymbologies[symbology], data, (int)strlen(data), module_pixels, 1, 1);
}

/* Any symbology by its zint number, with its standard height (the make() table of compare.py). */
int zint_png_of(int symbology, const char *data, int module_pixels, int show_text) {
    return png_of(symbology, data, (int)strlen(data), module_pixels, show_text, 1);
}

/* A stacked code, in the order of STACKED in compare.py. */
int zint_stacked_png(int symbology, const char *data, int module_pixels) {
    static const int kSymbologies[] = {BARCODE_CODABLOCKF, BARCODE_CODE16K};
    return png_of(kSymbologies[symbology], data, (int)strlen(data), module_pixels, 1, 0);
}
