"""The shipped type stubs describe every class and method of the native module, with its argument names."""
import ast
import inspect
import os

import _barcode_quor_native as native

STUB = os.path.join(os.path.dirname(__file__), "..", "..", "python", "_barcode_quor_native.pyi")


def stub_classes():
    tree = ast.parse(open(STUB, encoding="utf-8").read())
    return {c.name: c for c in tree.body if isinstance(c, ast.ClassDef)}


def stub_methods(classes, name):
    """Method name -> argument names (without self), bases included."""
    cls = classes[name]
    out = {}
    for base in cls.bases:
        if isinstance(base, ast.Name) and base.id in classes:
            out.update(stub_methods(classes, base.id))
    for f in cls.body:
        if isinstance(f, ast.FunctionDef):
            out[f.name] = [a.arg for a in f.args.args if a.arg != "self"]
    return out


def native_arguments(method):
    """Argument names from pybind11's signature line, e.g. 'draw(self: X, code: str, width: int) -> str'."""
    line = method.__doc__.splitlines()[0]
    inner = line[line.index("(") + 1 : line.rindex(")")]
    names = [part.split(":")[0].strip() for part in inner.split(", ") if part]
    return [n for n in names if n != "self"]


def test_every_class_and_method_is_in_the_stubs():
    classes = stub_classes()
    native_classes = {name: obj for name, obj in vars(native).items() if inspect.isclass(obj)}
    assert len(native_classes) == 23
    for name, cls in native_classes.items():
        assert name in classes, name
        stub = stub_methods(classes, name)
        real = {m: getattr(cls, m) for m in dir(cls) if not m.startswith("_")}
        assert set(real) == set(stub) - {"__init__"}, name
        for method_name, method in real.items():
            if isinstance(method, property):
                continue  # read-only values: no arguments
            assert native_arguments(method) == stub[method_name], f"{name}.{method_name}"
