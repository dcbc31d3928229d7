# make demo: set up, build, render the gallery (out/gallery/index.html)
# make test: set up, build, run every test
ENV := scripts/env

.PHONY: demo test bench setup
demo: setup
	$(ENV) run scripts/demo
test: setup
	$(ENV) run scripts/test
bench: setup
	$(ENV) run sh -c 'scripts/build build && PYTHONPATH=build/python python3.13 bench/compare.py && PYTHONPATH=build/python python3.13 bench/bench.py'
setup:
	$(ENV) ensure
