// bwip-js's own Node HTTP handler, as its README serves it, for the service benchmark
// (bench/service_bench.py); one process, listening on 127.0.0.1:$PORT.
const http = require('http');
const bwipjs = require('bwip-js');

http.createServer((req, res) => {
    if (req.url.indexOf('/?bcid=') !== 0) {
        res.writeHead(404, {'Content-Type': 'text/plain'});
        res.end('unknown request', 'utf8');
    } else {
        bwipjs.request(req, res);
    }
}).listen(Number(process.env.PORT), '127.0.0.1');
